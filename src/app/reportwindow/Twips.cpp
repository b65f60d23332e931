#include "app/reportwindow/Twips.h"

#include <QWidget>
#include <cmath>

namespace reportwindow {

namespace twips {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

double perPixelX(const QWidget& widget)
{
    return kTwipsPerInch / widget.logicalDpiX();
}

double perPixelY(const QWidget& widget)
{
    return kTwipsPerInch / widget.logicalDpiY();
}

int toPixels(double twips, double twipsPerPixel)
{
    return int(std::lround(twips / twipsPerPixel));
}

double fromPixels(int pixels, double twipsPerPixel)
{
    return pixels * twipsPerPixel;
}

}

} // namespace reportwindow
