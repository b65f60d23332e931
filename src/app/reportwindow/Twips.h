#pragma once

class QWidget;

namespace reportwindow {

// The report window is designed in twips (1440 to the inch); widgets are placed in
// pixels. Every conversion goes through here, so a window keeps its proportions at any
// logical DPI (15 twips to the pixel at 96 dpi, 7.5 at 192).
namespace twips {

double perPixelX(const QWidget& widget);
double perPixelY(const QWidget& widget);
// Half a pixel rounds away from zero, in both directions alike.
int toPixels(double twips, double twipsPerPixel);
double fromPixels(int pixels, double twipsPerPixel);

}

} // namespace reportwindow
