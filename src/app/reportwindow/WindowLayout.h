#pragma once

#include <optional>

namespace reportwindow {

// Where the report window's controls go for a view mode and a window size. All values in
// twips, the unit of the window's design; only the pivot table's own limits are pixels.
namespace windowlayout {

enum class ViewMode { Both, Pivot, Graph };

struct Input
{
    double scaleWidth = 0;   // inner size
    double scaleHeight = 0;
    double outerHeight = 0;   // title bar and menu included
    double pivotLeft = 0;
    double pivotTop = 0;
    double pivotHeight = 0;   // current, kept when the pivot table is hidden
    double pivotWidth = 0;
    double treeTop = 0;
    double webLinkWidth = 0;
    double logoHeight = 0;
    ViewMode mode = ViewMode::Both;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};

struct Frame
{
    double height = 0;
    double width = 0;
};

struct Output
{
    double webLinkLeft = 0;
    // The rest is laid out only when the free area is large enough.
    bool laidOut = false;
    bool pivotVisible = false;
    Frame pivot;                 // the pivot table's frame after the call (unchanged when hidden)
    double pivotMaxHeight = 0;   // pixels
    double pivotMaxWidth = 0;
    bool chartVisible = false;    // also the chart-type list and the picture menu
    std::optional<Frame> chart;   // size, when the chart is shown
    double chartTop = 0;
    double treeHeight = 0;
    double removeButtonTop = 0;
    double logoTop = 0;
};

Output compute(const Input& in);

}

}
