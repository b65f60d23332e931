#include "controls/shared/HostServices.h"

#include "controls/shared/Twips.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>

namespace controls {

QFont RunModeHost::ambientFont(const QWidget& control) const
{
    if (const QWidget* host = control.parentWidget())
        return host->font();
    return control.font();
}

QString RunModeHost::exeName() const
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QCoreApplication::applicationName() : QFileInfo(path).completeBaseName();
}

int RunModeHost::toPixelsX(double units, const QWidget& control) const
{
    return twips::toPixels(units, twips::perPixelX(control));
}

int RunModeHost::toPixelsY(double units, const QWidget& control) const
{
    return twips::toPixels(units, twips::perPixelY(control));
}

double RunModeHost::toContainerX(int pixels, const QWidget& control) const
{
    return twips::fromPixels(pixels, twips::perPixelX(control));
}

double RunModeHost::toContainerY(int pixels, const QWidget& control) const
{
    return twips::fromPixels(pixels, twips::perPixelY(control));
}

HostServices& runModeHost()
{
    static RunModeHost host;
    return host;
}

}
