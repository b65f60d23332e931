#include "olap/CellTable.h"

#include "platform/SoftAssert.h"

#include <algorithm>

namespace olap {

quint32 PositionTable::hashOf(const Position& p)
{
    quint64 h = 0x9e3779b97f4a7c15ULL;
    for (int id : p) {
        h ^= quint32(id);
        h *= 0xff51afd7ed558ccdULL;
        h ^= h >> 32;
    }
    return quint32(h);
}

size_t PositionTable::slotOf(const Position& p, quint32 hash) const
{
    const size_t mask = m_index.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& s = m_index[i];
        if (s.number < 0 || (s.hash == hash && m_list[s.number] == p))
            return i;
    }
}

void PositionTable::grow()
{
    m_index.assign(std::max<size_t>(16, m_index.size() * 2), Slot{});
    const size_t mask = m_index.size() - 1;
    for (int n = 0; n < m_list.size(); ++n) {
        const quint32 hash = hashOf(m_list[n]);
        size_t i = hash & mask;
        while (m_index[i].number >= 0)
            i = (i + 1) & mask;
        m_index[i] = {hash, n};
    }
}

int PositionTable::find(const Position& p) const
{
    if (m_index.empty())
        return -1;
    return m_index[slotOf(p, hashOf(p))].number;
}

int PositionTable::intern(const Position& p)
{
    if (2 * (size_t(m_list.size()) + 1) > m_index.size())
        grow();
    const quint32 hash = hashOf(p);
    Slot& slot = m_index[slotOf(p, hash)];
    if (slot.number < 0) {
        slot = {hash, int(m_list.size())};
        m_list.append(p);
    }
    return slot.number;
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

size_t CellTable::slotOf(quint64 k) const
{
    const size_t mask = m_index.size() - 1;
    size_t i = hashKey(k) & mask;
    while (m_index[i].cell >= 0 && m_index[i].key != k)
        i = (i + 1) & mask;
    return i;
}

void CellTable::grow()
{
    m_index.assign(std::max<size_t>(16, m_index.size() * 2), Slot{});
    for (size_t c = 0; c < m_keys.size(); ++c)
        m_index[slotOf(m_keys[c])] = {m_keys[c], qsizetype(c)};
}

CellValue* CellTable::cell(int row, int column)
{
    if (2 * (m_keys.size() + 1) > m_index.size())
        grow();
    const quint64 k = key(row, column);
    Slot& slot = m_index[slotOf(k)];
    if (slot.cell < 0) {
        slot = {k, qsizetype(m_keys.size())};
        m_keys.push_back(k);
        m_values.resize(m_values.size() + size_t(m_measureCount));
    }
    return m_values.data() + size_t(slot.cell) * size_t(m_measureCount);
}

void CellTable::assign(std::vector<quint64> rowColumns)
{
    m_keys = std::move(rowColumns);
    m_values.assign(m_keys.size() * size_t(m_measureCount), std::nullopt);
    m_index.clear();
    size_t size = 16;
    while (size < 2 * m_keys.size())
        size *= 2;
    m_index.assign(size, Slot{});
    for (size_t c = 0; c < m_keys.size(); ++c) {
        Slot& slot = m_index[slotOf(m_keys[c])];
        SOFT_ASSERT(slot.cell < 0);
        slot = {m_keys[c], qsizetype(c)};
    }
}

const CellValue* CellTable::find(int row, int column) const
{
    if (m_index.empty())
        return nullptr;
    const qsizetype c = m_index[slotOf(key(row, column))].cell;
    return c < 0 ? nullptr : m_values.data() + size_t(c) * size_t(m_measureCount);
}
const CellValue* CellTable::find(const Position& row, const Position& column) const
{
    const int r = rows.find(row);
    const int c = columns.find(column);
    return r < 0 || c < 0 ? nullptr : find(r, c);
}

}
