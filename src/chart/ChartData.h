#pragma once

#include "chart/ChartModel.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace chart {

class ChartDataSource;

using Values = QVector<std::optional<double>>;

// One series of a chart: a value per category, or for scatter and bubble charts an X, a
// Y and a size per category (a point per category).
struct SeriesData
{
    QString name;
    Values values;
    Values x;
    Values y;
    Values size;
};

// What a chart draws, taken from its data source through its binding.
struct ChartData
{
    QStringList categories;
    QVector<SeriesData> series;
    // Number formats and captions of the data fields drawn, for axes without their own.
    QString valueFormat;
    QString xFormat;
    QString yFormat;
    QString sizeCaption;
};

// `xy` asks for points (X, Y, size) rather than one value per category. Without a
// source the chart has no data.
ChartData extractChartData(const ChartDataSource* source, const DataBinding& binding, bool xy);

}
