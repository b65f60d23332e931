#pragma once

#include "chart/ChartDataSource.h"

namespace pivot {
class PivotTable;
}

namespace reportwindow {

// The pivot table as the chart space draws from it: what the pivot shows, with its data
// fields' captions and formats, and a signal after every query.
class PivotChartSource : public chart::ChartDataSource
{
    Q_OBJECT
public:
    explicit PivotChartSource(pivot::PivotTable& table);

    const olap::CellSet& cellSet() const override;
    QStringList measureCaptions() const override;
    QStringList measureNumberFormats() const override;
    QString rowCaption(int position) const override;
    QString columnCaption(int position) const override;
    QStringList rowFieldCaptions() const override;
    QStringList columnFieldCaptions() const override;

    // The one source of a pivot table, made on first use and kept with the table, so
    // that binding the chart again finds the same source.
    static PivotChartSource* of(pivot::PivotTable& table);

private:
    pivot::PivotTable& m_table;   // the source is the table's child and dies with it
};

} // namespace reportwindow
