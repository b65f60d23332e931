#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The named values of the chart space: dimensions of SetData, what a dimension is bound
// to, axis positions, scale orientations and chart types. Callers read them by name
// through ChartConstants, so the numbers below are ours except the chart types, whose
// numbers are stored in saved reports and chart-type lists and so must never change.
namespace chart {

// Dimensions of SetData.
constexpr int chDimSeriesNames = 0;
constexpr int chDimCategories = 1;
constexpr int chDimValues = 2;
constexpr int chDimYValues = 3;
constexpr int chDimXValues = 4;
constexpr int chDimBubbleValues = 5;

// What the series or categories dimension is bound to.
constexpr int chPivotColumns = -1;
constexpr int chPivotRows = -2;

// How a dimension is bound: to the data source (the only way this chart space binds).
constexpr int chDataBound = 0;

// Axis positions are negative so that they never collide with axis indexes.
constexpr int chAxisPositionTop = -1;
constexpr int chAxisPositionBottom = -2;
constexpr int chAxisPositionLeft = -3;
constexpr int chAxisPositionRight = -4;

constexpr int chScaleOrientationMinMax = 0;
constexpr int chScaleOrientationMaxMin = 1;

constexpr int chChartTypeColumnClustered = 0;
constexpr int chChartTypeColumnStacked = 1;
constexpr int chChartTypeColumnStacked100 = 2;
constexpr int chChartTypeBarClustered = 3;
constexpr int chChartTypeBarStacked = 4;
constexpr int chChartTypeBarStacked100 = 5;
constexpr int chChartTypeLine = 6;
constexpr int chChartTypeLineMarkers = 7;
constexpr int chChartTypeLineStacked = 8;
constexpr int chChartTypeLineStackedMarkers = 9;
constexpr int chChartTypeLineStacked100 = 10;
constexpr int chChartTypeLineStacked100Markers = 11;
constexpr int chChartTypeSmoothLine = 12;
constexpr int chChartTypeSmoothLineMarkers = 13;
constexpr int chChartTypeSmoothLineStacked = 14;
constexpr int chChartTypeSmoothLineStackedMarkers = 15;
constexpr int chChartTypeSmoothLineStacked100 = 16;
constexpr int chChartTypeSmoothLineStacked100Markers = 17;
constexpr int chChartTypePie = 18;
constexpr int chChartTypePieExploded = 19;
constexpr int chChartTypePieStacked = 20;
constexpr int chChartTypeScatterMarkers = 21;
constexpr int chChartTypeBubble = 27;
constexpr int chChartTypeArea = 29;
constexpr int chChartTypeAreaStacked = 30;
constexpr int chChartTypeAreaStacked100 = 31;
constexpr int chChartTypeDoughnut = 32;
constexpr int chChartTypeDoughnutExploded = 33;
constexpr int chChartTypeRadarLine = 34;
constexpr int chChartTypeRadarLineMarkers = 35;
constexpr int chChartTypeRadarLineFilled = 36;
constexpr int chChartTypeRadarSmoothLine = 37;
constexpr int chChartTypeRadarSmoothLineMarkers = 38;

// The `Constants` object of the chart space: every value above by its name.
class ChartConstants
{
public:
    // Raises 438 for a name that is not a constant, as a missing member would.
    int value(const QString& name) const;
    std::optional<int> find(const QString& name) const;
    QStringList names() const;
};

}
