#pragma once

#include "chart/ChartData.h"
#include "chart/ChartXml.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace chart {

// Builds the Qt chart that draws one chart of the chart space: the series kind its type
// names, its axes with their number formats, titles and orientation, its title and
// legend. The caller owns the result.
QChart* buildChart(const ChartState& state, const ChartData& data);

}
