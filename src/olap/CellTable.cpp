#include "olap/CellTable.h"

#include <algorithm>

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

namespace {

size_t hashKey(quint64 k)
{
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    return size_t(k);
}

}

void CellTable::reserve(size_t cells)
{
    m_keys.reserve(cells);
    m_values.reserve(cells * size_t(m_measureCount));
    while (m_index.size() < 2 * cells)
        grow();
}

size_t CellTable::slotOf(quint64 k) const
{
    const size_t mask = m_index.size() - 1;
    size_t i = hashKey(k) & mask;
    while (m_index[i] >= 0 && m_keys[size_t(m_index[i])] != k)
        i = (i + 1) & mask;
    return i;
}

void CellTable::grow()
{
    m_index.assign(std::max<size_t>(16, m_index.size() * 2), -1);
    for (size_t c = 0; c < m_keys.size(); ++c)
        m_index[slotOf(m_keys[c])] = qsizetype(c);
}

std::optional<double>* CellTable::cell(int row, int column)
{
    if (2 * (m_keys.size() + 1) > m_index.size())
        grow();
    const quint64 k = key(row, column);
    const size_t slot = slotOf(k);
    if (m_index[slot] < 0) {
        m_index[slot] = qsizetype(m_keys.size());
        m_keys.push_back(k);
        m_values.resize(m_values.size() + size_t(m_measureCount));
    }
    return m_values.data() + size_t(m_index[slot]) * size_t(m_measureCount);
}

const std::optional<double>* CellTable::find(int row, int column) const
{
    if (m_index.empty())
        return nullptr;
    const qsizetype c = m_index[slotOf(key(row, column))];
    return c < 0 ? nullptr : m_values.data() + size_t(c) * size_t(m_measureCount);
}
const std::optional<double>* CellTable::find(const Position& row, const Position& column) const
{
    const int r = rows.find(row);
    const int c = columns.find(column);
    return r < 0 || c < 0 ? nullptr : find(r, c);
}

}
