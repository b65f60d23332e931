#include "controls/shared/HostServices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

namespace controls {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double twipsPerPixel(int logicalDpi)
{
    return kTwipsPerInch / (logicalDpi > 0 ? logicalDpi : 96);
}

// Half a unit rounds away from zero; what no int can hold is held at the int's ends.
int roundAway(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::lround(std::clamp(value, lowest, highest)));
}

}

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
    return roundAway(units / twipsPerPixel(control.logicalDpiX()));
}

int RunModeHost::toPixelsY(double units, const QWidget& control) const
{
    return roundAway(units / twipsPerPixel(control.logicalDpiY()));
}

double RunModeHost::toContainerX(int pixels, const QWidget& control) const
{
    return pixels * twipsPerPixel(control.logicalDpiX());
}

double RunModeHost::toContainerY(int pixels, const QWidget& control) const
{
    return pixels * twipsPerPixel(control.logicalDpiY());
}

HostServices& runModeHost()
{
    static RunModeHost host;
    return host;
}

}
