#pragma once

class QWidget;

namespace controls {

// Windows are designed in twips (1440 to the inch); widgets are placed in pixels. Every
// conversion goes through here, so a window keeps its proportions at any logical DPI (15
// twips to the pixel at 96 dpi, 7.5 at 192).
namespace twips {

// A screen that reports no DPI (0 or less) counts as 96 dpi, so no conversion divides by zero.
double perPixel(int logicalDpi);
double perPixelX(const QWidget& widget);
double perPixelY(const QWidget& widget);
// Half a pixel rounds away from zero, in both directions alike; what no int can hold is held
// at the int's ends, and what is not a number is 0.
int toPixels(double twips, double twipsPerPixel);
double fromPixels(int pixels, double twipsPerPixel);

}

}
