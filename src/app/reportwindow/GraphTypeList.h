#pragma once

#include <QString>
#include <array>

namespace reportwindow {

// The chart types offered by the version 9 window's list, in list order. A report stores
// the position of its entry, so the order is part of the report format.
namespace graphtypelist {

struct Entry
{
    const char16_t* text;   // not translated
    int chartType;          // the chart component's type number
};

inline constexpr std::array<Entry, 31> kEntries{{
    {u"Area", 29},
    {u"Area Stacked", 30},
    {u"Area Stacked 100", 31},
    {u"Bar Clustered", 3},
    {u"Bar Stacked", 4},
    {u"Bar Stacked 100", 5},
    {u"Column Clustered", 0},
    {u"Column Stacked", 1},
    {u"Column Stacked100", 2},
    {u"Doughnut", 32},
    {u"Doughnut Exploded", 33},
    {u"Line", 6},
    {u"Line Markers", 7},
    {u"Line Stacked", 8},
    {u"Line Stacked 100", 10},
    {u"Line Stacked 100 Markers", 11},
    {u"Line Stacked Markers", 9},
    {u"Pie", 18},
    {u"Pie Exploded", 19},
    {u"Pie Stacked", 20},
    {u"RadarLine", 34},
    {u"Radar Line Filled", 36},
    {u"Radar Line Markers", 35},
    {u"Radar Smooth Line", 37},
    {u"Radar Smooth Line Markers", 38},
    {u"Smooth Line", 12},
    {u"Smooth Line Markers", 13},
    {u"Smooth Line Stacked", 14},
    {u"Smooth Line Stacked 100", 16},
    {u"Smooth Line Stacked 100 Markers", 17},
    {u"Smooth LineStackedMarkers", 15},
}};

// The entry a report opens with when it stored no position.
inline constexpr int kDefaultEntry = 4;

}

}
