#include "app/reportwindow/PivotChartSource.h"

#include "pivot/PivotTable.h"

namespace reportwindow {

PivotChartSource::PivotChartSource(pivot::PivotTable& table) : chart::ChartDataSource(&table), m_table(table)
{
    setObjectName(QStringLiteral("chartSource"));
    connect(&table, &pivot::PivotTable::dataChanged, this, &ChartDataSource::dataChanged);
}

PivotChartSource* PivotChartSource::of(pivot::PivotTable& table)
{
    if (auto* existing = table.findChild<PivotChartSource*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new PivotChartSource(table);
}

const olap::CellSet& PivotChartSource::cellSet() const
{
    return m_table.cellSet();
}

QStringList PivotChartSource::measureCaptions() const
{
    return m_table.measureCaptions();
}

QStringList PivotChartSource::measureNumberFormats() const
{
    return m_table.measureNumberFormats();
}

QString PivotChartSource::rowCaption(int position) const
{
    return m_table.rowCaption(position);
}

QString PivotChartSource::columnCaption(int position) const
{
    return m_table.columnCaption(position);
}

QStringList PivotChartSource::rowFieldCaptions() const
{
    return m_table.rowFieldCaptions();
}

QStringList PivotChartSource::columnFieldCaptions() const
{
    return m_table.columnFieldCaptions();
}

} // namespace reportwindow
