#include "chart/ChartDataSource.h"

namespace chart {

QString tupleCaption(const olap::Tuple& tuple)
{
    QStringList parts;
    for (const olap::TupleMember& m : tuple.members)
        parts << m.member.caption;
    return parts.join(QStringLiteral(" / "));
}

QString ChartDataSource::rowCaption(int position) const
{
    const auto& rows = cellSet().rows;
    return position >= 0 && position < rows.size() ? tupleCaption(rows[position]) : QString();
}

QString ChartDataSource::columnCaption(int position) const
{
    const auto& columns = cellSet().columns;
    return position >= 0 && position < columns.size() ? tupleCaption(columns[position]) : QString();
}

}
