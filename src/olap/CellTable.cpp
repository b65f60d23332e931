#include "olap/CellTable.h"

namespace olap {

int PositionTable::intern(const Position& p)
{
    const auto it = m_index.constFind(p);
    if (it != m_index.constEnd())
        return it.value();
    const int i = int(m_list.size());
    m_list.append(p);
    m_index.insert(p, i);
    return i;
}

QVector<Position> positionsAbove(const Position& leaf, const std::vector<FieldPlan>& fields)
{
    QVector<Position> result;
    Position p(leaf.size(), -1);
    result.append(p);
    for (qsizetype f = 0; f < leaf.size(); ++f) {
        for (int id = leaf[f]; id >= 0; id = fields[size_t(f)].index->member(id).parent) {
            p[f] = id;
            result.append(p);
        }
        p[f] = leaf[f];
    }
    return result;
}

std::optional<double>* CellTable::cell(int row, int column)
{
    auto it = m_cells.constFind(key(row, column));
    if (it == m_cells.constEnd()) {
        it = m_cells.insert(key(row, column), qsizetype(m_values.size()));
        m_values.resize(m_values.size() + size_t(m_measureCount));
    }
    return m_values.data() + it.value();
}

const std::optional<double>* CellTable::find(int row, int column) const
{
    const auto it = m_cells.constFind(key(row, column));
    return it == m_cells.constEnd() ? nullptr : m_values.data() + it.value();
}

const std::optional<double>* CellTable::find(const Position& row, const Position& column) const
{
    const int r = rows.find(row);
    const int c = columns.find(column);
    return r < 0 || c < 0 ? nullptr : find(r, c);
}

}
