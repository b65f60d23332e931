#pragma once

#include <QString>
#include <QVector>
#include <optional>

// What a chart type number means for drawing: its family and the variations on it.
namespace chart {

enum class ChartFamily { Column, Bar, Line, Area, Pie, Doughnut, Radar, Scatter, Bubble };
enum class Stacking { None, Stacked, Percent };

struct ChartTypeTraits
{
    int number = 0;
    ChartFamily family = ChartFamily::Column;
    Stacking stacking = Stacking::None;
    bool markers = false;
    bool smooth = false;
    bool exploded = false;
    bool filled = false;
    const char* name = "";   // untranslated; the property toolbox translates it in the "chart" context

    // Scatter and bubble charts take their points from the X and Y values, not from categories.
    bool isXY() const { return family == ChartFamily::Scatter || family == ChartFamily::Bubble; }
};

// Nothing for a number that is not a chart type this chart space draws.
std::optional<ChartTypeTraits> chartTypeTraits(int number);
// Every chart type, in the order the property toolbox offers them.
const QVector<ChartTypeTraits>& allChartTypes();

}
