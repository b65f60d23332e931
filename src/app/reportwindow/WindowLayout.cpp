#include "app/reportwindow/WindowLayout.h"

#include <cmath>

namespace reportwindow {

namespace windowlayout {

namespace {

// Free space is measured in whole twips, rounded half to even as the window's own
// arithmetic does.
long roundTwips(double value)
{
    return std::lrint(value);
}

}

Output compute(const Input& in)
{
    Output out;
    out.webLinkLeft = in.scaleWidth - in.webLinkWidth - 120;

    const long freeHeight = roundTwips(in.scaleHeight - in.pivotTop - 20);
    const long freeWidth = roundTwips(in.scaleWidth - in.pivotLeft - 80);
    if (!(freeHeight > 2500 && freeWidth > 400))
        return out;
    out.laidOut = true;

    out.pivot = Frame{in.pivotHeight, in.pivotWidth};
    switch (in.mode) {
    case ViewMode::Both:
        out.pivot = Frame{freeHeight / 2.0 - 60, double(freeWidth - 80)};
        out.pivotVisible = true;
        break;
    case ViewMode::Pivot:
        out.pivot = Frame{double(freeHeight - 10), double(freeWidth)};
        out.pivotVisible = true;
        break;
    case ViewMode::Graph:
        out.pivotVisible = false;
        break;
    }
    out.pivotMaxHeight = out.pivot.height / in.twipsPerPixelY;
    out.pivotMaxWidth = out.pivot.width / in.twipsPerPixelX;

    switch (in.mode) {
    case ViewMode::Both:
        out.chart = Frame{freeHeight / 2.0 - 200, double(freeWidth)};
        out.chartTop = in.pivotTop + out.pivot.height + 80;
        out.chartVisible = true;
        break;
    case ViewMode::Graph:
        out.chart = Frame{double(freeHeight - 200), double(freeWidth)};
        out.chartTop = in.pivotTop;
        out.chartVisible = true;
        break;
    case ViewMode::Pivot:
        out.chartVisible = false;
        break;
    }

    out.treeHeight = in.scaleHeight - 2 * in.treeTop - 1500;
    out.removeButtonTop = in.treeTop + out.treeHeight + 50;
    out.logoTop = in.outerHeight - in.logoHeight - 850;
    return out;
}

}

}
