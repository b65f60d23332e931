#include "controls/shared/Twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

namespace controls {

namespace twips {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr int kFallbackDpi = 96;
}

double perPixel(int logicalDpi)
{
    return kTwipsPerInch / (logicalDpi > 0 ? logicalDpi : kFallbackDpi);
}

double perPixelX(const QWidget& widget)
{
    return perPixel(widget.logicalDpiX());
}

double perPixelY(const QWidget& widget)
{
    return perPixel(widget.logicalDpiY());
}

int toPixels(double twips, double twipsPerPixel)
{
    const double pixels = twips / twipsPerPixel;
    if (std::isnan(pixels))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::lround(std::clamp(pixels, lowest, highest)));
}

double fromPixels(int pixels, double twipsPerPixel)
{
    return pixels * twipsPerPixel;
}

}

}
