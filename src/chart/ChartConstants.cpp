#include "chart/ChartConstants.h"

#include "platform/VbError.h"

#include <array>
#include <utility>

namespace chart {
namespace {

struct NamedConstant
{
    const char* name;
    int value;
};

#define CHART_CONSTANT(n) \
    NamedConstant \
    { \
#n, n \
    }

constexpr std::array kConstants{
    CHART_CONSTANT(chDimSeriesNames),
    CHART_CONSTANT(chDimCategories),
    CHART_CONSTANT(chDimValues),
    CHART_CONSTANT(chDimYValues),
    CHART_CONSTANT(chDimXValues),
    CHART_CONSTANT(chDimBubbleValues),
    CHART_CONSTANT(chPivotColumns),
    CHART_CONSTANT(chPivotRows),
    CHART_CONSTANT(chDataBound),
    CHART_CONSTANT(chAxisPositionTop),
    CHART_CONSTANT(chAxisPositionBottom),
    CHART_CONSTANT(chAxisPositionLeft),
    CHART_CONSTANT(chAxisPositionRight),
    CHART_CONSTANT(chScaleOrientationMinMax),
    CHART_CONSTANT(chScaleOrientationMaxMin),
    CHART_CONSTANT(chChartTypeColumnClustered),
    CHART_CONSTANT(chChartTypeColumnStacked),
    CHART_CONSTANT(chChartTypeColumnStacked100),
    CHART_CONSTANT(chChartTypeBarClustered),
    CHART_CONSTANT(chChartTypeBarStacked),
    CHART_CONSTANT(chChartTypeBarStacked100),
    CHART_CONSTANT(chChartTypeLine),
    CHART_CONSTANT(chChartTypeLineMarkers),
    CHART_CONSTANT(chChartTypeLineStacked),
    CHART_CONSTANT(chChartTypeLineStackedMarkers),
    CHART_CONSTANT(chChartTypeLineStacked100),
    CHART_CONSTANT(chChartTypeLineStacked100Markers),
    CHART_CONSTANT(chChartTypeSmoothLine),
    CHART_CONSTANT(chChartTypeSmoothLineMarkers),
    CHART_CONSTANT(chChartTypeSmoothLineStacked),
    CHART_CONSTANT(chChartTypeSmoothLineStackedMarkers),
    CHART_CONSTANT(chChartTypeSmoothLineStacked100),
    CHART_CONSTANT(chChartTypeSmoothLineStacked100Markers),
    CHART_CONSTANT(chChartTypePie),
    CHART_CONSTANT(chChartTypePieExploded),
    CHART_CONSTANT(chChartTypePieStacked),
    CHART_CONSTANT(chChartTypeScatterMarkers),
    CHART_CONSTANT(chChartTypeBubble),
    CHART_CONSTANT(chChartTypeArea),
    CHART_CONSTANT(chChartTypeAreaStacked),
    CHART_CONSTANT(chChartTypeAreaStacked100),
    CHART_CONSTANT(chChartTypeDoughnut),
    CHART_CONSTANT(chChartTypeDoughnutExploded),
    CHART_CONSTANT(chChartTypeRadarLine),
    CHART_CONSTANT(chChartTypeRadarLineMarkers),
    CHART_CONSTANT(chChartTypeRadarLineFilled),
    CHART_CONSTANT(chChartTypeRadarSmoothLine),
    CHART_CONSTANT(chChartTypeRadarSmoothLineMarkers),
};

#undef CHART_CONSTANT

}

std::optional<int> ChartConstants::find(const QString& name) const
{
    // Late-bound callers do not care about letter case.
    for (const auto& constant : kConstants) {
        if (name.compare(QLatin1String(constant.name), Qt::CaseInsensitive) == 0)
            return constant.value;
    }
    return std::nullopt;
}

int ChartConstants::value(const QString& name) const
{
    if (auto found = find(name))
        return *found;
    platform::raiseError(platform::err::MemberNotSupported,
                         QStringLiteral("Object doesn't support this property or method: %1").arg(name),
                         QStringLiteral("Constants"));
}

QStringList ChartConstants::names() const
{
    QStringList result;
    for (const auto& constant : kConstants)
        result << QLatin1String(constant.name);
    return result;
}

}
