#include "chart/ChartTypes.h"

#include "chart/ChartConstants.h"

#include <QtGlobal>

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
        type(chChartTypeColumnClustered, QT_TRANSLATE_NOOP("chart", "Column"), F::Column),
        type(chChartTypeColumnStacked, QT_TRANSLATE_NOOP("chart", "Stacked column"), F::Column, S::Stacked),
        type(chChartTypeColumnStacked100, QT_TRANSLATE_NOOP("chart", "100% stacked column"), F::Column, S::Percent),
        type(chChartTypeBarClustered, QT_TRANSLATE_NOOP("chart", "Bar"), F::Bar),
        type(chChartTypeBarStacked, QT_TRANSLATE_NOOP("chart", "Stacked bar"), F::Bar, S::Stacked),
        type(chChartTypeBarStacked100, QT_TRANSLATE_NOOP("chart", "100% stacked bar"), F::Bar, S::Percent),
        type(chChartTypeLine, QT_TRANSLATE_NOOP("chart", "Line"), F::Line),
        type(chChartTypeLineMarkers, QT_TRANSLATE_NOOP("chart", "Line with markers"), F::Line, S::None, true),
        type(chChartTypeLineStacked, QT_TRANSLATE_NOOP("chart", "Stacked line"), F::Line, S::Stacked),
        type(chChartTypeLineStackedMarkers, QT_TRANSLATE_NOOP("chart", "Stacked line with markers"), F::Line,
             S::Stacked, true),
        type(chChartTypeLineStacked100, QT_TRANSLATE_NOOP("chart", "100% stacked line"), F::Line, S::Percent),
        type(chChartTypeLineStacked100Markers, QT_TRANSLATE_NOOP("chart", "100% stacked line with markers"), F::Line,
             S::Percent, true),
        type(chChartTypeSmoothLine, QT_TRANSLATE_NOOP("chart", "Smooth line"), F::Line, S::None, false, true),
        type(chChartTypeSmoothLineMarkers, QT_TRANSLATE_NOOP("chart", "Smooth line with markers"), F::Line, S::None,
             true, true),
        type(chChartTypeSmoothLineStacked, QT_TRANSLATE_NOOP("chart", "Stacked smooth line"), F::Line, S::Stacked,
             false, true),
        type(chChartTypeSmoothLineStackedMarkers, QT_TRANSLATE_NOOP("chart", "Stacked smooth line with markers"),
             F::Line, S::Stacked, true, true),
        type(chChartTypeSmoothLineStacked100, QT_TRANSLATE_NOOP("chart", "100% stacked smooth line"), F::Line,
             S::Percent, false, true),
        type(chChartTypeSmoothLineStacked100Markers,
             QT_TRANSLATE_NOOP("chart", "100% stacked smooth line with markers"), F::Line, S::Percent, true, true),
        type(chChartTypePie, QT_TRANSLATE_NOOP("chart", "Pie"), F::Pie),
        type(chChartTypePieExploded, QT_TRANSLATE_NOOP("chart", "Exploded pie"), F::Pie, S::None, false, false, true),
        type(chChartTypePieStacked, QT_TRANSLATE_NOOP("chart", "Stacked pie"), F::Pie, S::Stacked),
        type(chChartTypeDoughnut, QT_TRANSLATE_NOOP("chart", "Doughnut"), F::Doughnut),
        type(chChartTypeDoughnutExploded, QT_TRANSLATE_NOOP("chart", "Exploded doughnut"), F::Doughnut, S::None, false,
             false, true),
        type(chChartTypeArea, QT_TRANSLATE_NOOP("chart", "Area"), F::Area),
        type(chChartTypeAreaStacked, QT_TRANSLATE_NOOP("chart", "Stacked area"), F::Area, S::Stacked),
        type(chChartTypeAreaStacked100, QT_TRANSLATE_NOOP("chart", "100% stacked area"), F::Area, S::Percent),
        type(chChartTypeRadarLine, QT_TRANSLATE_NOOP("chart", "Radar"), F::Radar),
        type(chChartTypeRadarLineMarkers, QT_TRANSLATE_NOOP("chart", "Radar with markers"), F::Radar, S::None, true),
        type(chChartTypeRadarLineFilled, QT_TRANSLATE_NOOP("chart", "Filled radar"), F::Radar, S::None, false, false,
             false, true),
        type(chChartTypeRadarSmoothLine, QT_TRANSLATE_NOOP("chart", "Smooth radar"), F::Radar, S::None, false, true),
        type(chChartTypeRadarSmoothLineMarkers, QT_TRANSLATE_NOOP("chart", "Smooth radar with markers"), F::Radar,
             S::None, true, true),
        type(chChartTypeScatterMarkers, QT_TRANSLATE_NOOP("chart", "XY scatter"), F::Scatter, S::None, true),
        type(chChartTypeBubble, QT_TRANSLATE_NOOP("chart", "Bubble"), F::Bubble, S::None, true),
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
