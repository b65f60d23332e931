#include "chart/ChartTypes.h"

#include "chart/ChartConstants.h"

namespace chart {
namespace {

ChartTypeTraits type(int number, const char* name, ChartFamily family, Stacking stacking = Stacking::None,
                     bool markers = false, bool smooth = false, bool exploded = false, bool filled = false)
{
    ChartTypeTraits t;
    t.number = number;
    t.name = name;
    t.family = family;
    t.stacking = stacking;
    t.markers = markers;
    t.smooth = smooth;
    t.exploded = exploded;
    t.filled = filled;
    return t;
}

QVector<ChartTypeTraits> buildTypes()
{
    using F = ChartFamily;
    using S = Stacking;
    return {
        type(chChartTypeColumnClustered, "Column", F::Column),
        type(chChartTypeColumnStacked, "Stacked column", F::Column, S::Stacked),
        type(chChartTypeColumnStacked100, "100% stacked column", F::Column, S::Percent),
        type(chChartTypeBarClustered, "Bar", F::Bar),
        type(chChartTypeBarStacked, "Stacked bar", F::Bar, S::Stacked),
        type(chChartTypeBarStacked100, "100% stacked bar", F::Bar, S::Percent),
        type(chChartTypeLine, "Line", F::Line),
        type(chChartTypeLineMarkers, "Line with markers", F::Line, S::None, true),
        type(chChartTypeLineStacked, "Stacked line", F::Line, S::Stacked),
        type(chChartTypeLineStackedMarkers, "Stacked line with markers", F::Line, S::Stacked, true),
        type(chChartTypeLineStacked100, "100% stacked line", F::Line, S::Percent),
        type(chChartTypeLineStacked100Markers, "100% stacked line with markers", F::Line, S::Percent, true),
        type(chChartTypeSmoothLine, "Smooth line", F::Line, S::None, false, true),
        type(chChartTypeSmoothLineMarkers, "Smooth line with markers", F::Line, S::None, true, true),
        type(chChartTypeSmoothLineStacked, "Stacked smooth line", F::Line, S::Stacked, false, true),
        type(chChartTypeSmoothLineStackedMarkers, "Stacked smooth line with markers", F::Line, S::Stacked, true,
             true),
        type(chChartTypeSmoothLineStacked100, "100% stacked smooth line", F::Line, S::Percent, false, true),
        type(chChartTypeSmoothLineStacked100Markers, "100% stacked smooth line with markers", F::Line, S::Percent,
             true, true),
        type(chChartTypePie, "Pie", F::Pie),
        type(chChartTypePieExploded, "Exploded pie", F::Pie, S::None, false, false, true),
        type(chChartTypePieStacked, "Stacked pie", F::Pie, S::Stacked),
        type(chChartTypeDoughnut, "Doughnut", F::Doughnut),
        type(chChartTypeDoughnutExploded, "Exploded doughnut", F::Doughnut, S::None, false, false, true),
        type(chChartTypeArea, "Area", F::Area),
        type(chChartTypeAreaStacked, "Stacked area", F::Area, S::Stacked),
        type(chChartTypeAreaStacked100, "100% stacked area", F::Area, S::Percent),
        type(chChartTypeRadarLine, "Radar", F::Radar),
        type(chChartTypeRadarLineMarkers, "Radar with markers", F::Radar, S::None, true),
        type(chChartTypeRadarLineFilled, "Filled radar", F::Radar, S::None, false, false, false, true),
        type(chChartTypeRadarSmoothLine, "Smooth radar", F::Radar, S::None, false, true),
        type(chChartTypeRadarSmoothLineMarkers, "Smooth radar with markers", F::Radar, S::None, true, true),
        type(chChartTypeScatterMarkers, "XY scatter", F::Scatter, S::None, true),
        type(chChartTypeBubble, "Bubble", F::Bubble, S::None, true),
    };
}

}

const QVector<ChartTypeTraits>& allChartTypes()
{
    static const QVector<ChartTypeTraits> types = buildTypes();
    return types;
}

std::optional<ChartTypeTraits> chartTypeTraits(int number)
{
    for (const auto& t : allChartTypes()) {
        if (t.number == number)
            return t;
    }
    return std::nullopt;
}

}
