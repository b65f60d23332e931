#include "pivot/PivotGridModel.h"

#include "olap/NumberFormat.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace pivot {
namespace {
const olap::CellSet& emptyCellSet()
{
    static const olap::CellSet empty;
    return empty;
}

// Text inside one spreadsheet cell: tabs and line breaks would split it.
QString tsvField(QString text)
{
    text.replace(u'\t', u' ');
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    return text;
}
}

PivotGridModel::PivotGridModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_totalFont.setBold(true);
}

void PivotGridModel::setResult(Result result)
{
    setResult(std::make_shared<const Result>(std::move(result)));
}

void PivotGridModel::setResult(std::shared_ptr<const Result> result)
{
    beginResetModel();
    m_result = result ? std::move(result) : std::make_shared<const Result>();
    endResetModel();
}

void PivotGridModel::setDataFields(const QStringList& captions, const QStringList& numberFormats)
{
    const bool reshape = captions.size() != m_captions.size();
    if (reshape)
        beginResetModel();
    m_captions = captions;
    m_formats = numberFormats;
    if (reshape) {
        endResetModel();
        return;
    }
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

const olap::CellSet& PivotGridModel::cellSet() const
{
    return m_result->cells ? *m_result->cells : emptyCellSet();
}

int PivotGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(cellSet().rows.size());
}

int PivotGridModel::columnCount(const QModelIndex& parent) const
{
    // The cell set and the data fields agree once a query has answered; until then
    // there is nothing to show.
    if (parent.isValid() || cellSet().measures.size() != m_captions.size())
        return 0;
    return int(cellSet().columns.size()) * measureCount();
}

bool PivotGridModel::isTotalColumn(int column) const
{
    return m_result->columns.isTotal(columnPosition(column));
}

QVariant PivotGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int measure = columnMeasure(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case ValueRole: {
        const olap::CellValue& value = cellSet().cell(index.row(), columnPosition(index.column()), measure);
        if (!value)
            return {};
        if (role == ValueRole)
            return value.toVariant();
        return olap::formatNumber(value, m_formats.value(measure));
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case TotalRole:
        return isTotalRow(index.row()) || isTotalColumn(index.column());
    case Qt::FontRole:
        if (isTotalRow(index.row()) || isTotalColumn(index.column()))
            return m_totalFont;
        return {};
    case Qt::BackgroundRole:
        if (isTotalRow(index.row()) || isTotalColumn(index.column()))
            return QBrush(QColor(0xee, 0xf2, 0xf8));
        return {};
    default:
        return {};
    }
}

QString PivotGridModel::columnHeaderText(int column, int level) const
{
    const HeaderLayout& h = m_result->columns;
    if (level >= h.slotCount())
        return m_captions.value(columnMeasure(column));
    const int position = columnPosition(column);
    if (position >= h.positionCount())
        return {};
    return h.cell(position, level).text;
}

QString PivotGridModel::rowHeaderText(int row, int slot) const
{
    return m_result->rows.cell(row, slot).text;
}

QVariant PivotGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // Plain views and accessibility get the innermost label; the nested header views
    // read the layouts themselves.
    if (orientation == Qt::Horizontal)
        return columnHeaderText(section, columnLevelCount() - 1);
    QStringList parts;
    for (int s = 0; s < m_result->rows.slotCount(); ++s)
        if (!rowHeaderText(section, s).isEmpty())
            parts << rowHeaderText(section, s);
    return parts.join(QLatin1String(" / "));
}

QString PivotGridModel::toTsv(int top, int left, int bottom, int right) const
{
    const int rowSlots = m_result->rows.slotCount();
    QStringList lines;
    for (int level = 0; level < columnLevelCount(); ++level) {
        QStringList fields(rowSlots, QString());
        for (int c = left; c <= right; ++c)
            fields << tsvField(columnHeaderText(c, level));
        lines << fields.join(u'\t');
    }
    for (int r = top; r <= bottom; ++r) {
        QStringList fields;
        for (int s = 0; s < rowSlots; ++s)
            fields << tsvField(rowHeaderText(r, s));
        for (int c = left; c <= right; ++c)
            fields << tsvField(data(index(r, c)).toString());
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

}
