#pragma once

#include "chart/ChartModel.h"

#include <QString>
#include <QVector>

// The persisted state of a chart space (`XMLData`): our own versioned XML of the chart
// space settings and every chart, without the data, which comes from the bound source.
namespace chart {

struct AxisState
{
    int position = chAxisPositionBottom;
    QString numberFormat;
    bool hasTitle = false;
    QString title;
    int orientation = chScaleOrientationMinMax;
};

struct ChartState
{
    int type = chChartTypeColumnClustered;
    bool hasLegend = true;
    bool hasTitle = false;
    QString title;
    QVector<AxisState> axes;
    DataBinding binding;
};

struct ChartSpaceState
{
    ChartSpaceSettings settings;
    QVector<ChartState> charts;
};

ChartSpaceState captureState(const ChartSpaceSettings& settings, const ChartCollection& charts);
// Replaces every chart of `charts` by those of `state`.
void applyCharts(const ChartSpaceState& state, ChartCollection& charts);

// The text never holds "*" or an upper-case "X" literally (they are written as character
// references), so it cannot contain the separators of the report file.
QString writeChartXml(const ChartSpaceState& state);
// Raises 0x80004002 for text that is not a chart space state this program can use.
ChartSpaceState readChartXml(const QString& xml);

}
