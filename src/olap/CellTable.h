#pragma once

#include "olap/QueryPlan.h"

#include <QHash>

namespace olap {

// A place on one axis: a member id per axis field, -1 for the All member. Only the last
// field that is not All may be a member whose children are shown (a subtotal).
using Position = QVector<int>;

// The positions of one axis, numbered in the order they first came.
class PositionTable
{
public:
    int intern(const Position& p);
    int find(const Position& p) const;
    const Position& at(int i) const { return m_list[i]; }
    int size() const { return int(m_list.size()); }

private:
    struct Slot
    {
        quint32 hash = 0;   // the position's hash, which settles most probes without reading it
        int number = -1;    // -1: empty
    };
    static quint32 hashOf(const Position& p);
    size_t slotOf(const Position& p, quint32 hash) const;   // where p is, or the empty slot it would take
    void grow();

    std::vector<Slot> m_index;   // open addressing, a power of two in size
    QVector<Position> m_list;
};

// The positions of an axis that a fact below the leaf position `leaf` counts towards:
// each field's visible ancestors with the fields after it at All, and the all-All position.
QVector<Position> positionsAbove(const Position& leaf, const std::vector<FieldPlan>& fields);

// The computed cells of a query: only positions with facts are present.
class CellTable
{
public:
    explicit CellTable(int measureCount) : m_measureCount(measureCount) {}

    PositionTable rows;
    PositionTable columns;

    int measureCount() const { return m_measureCount; }
    // Returns the cell's measure values, created empty on first use.
    CellValue* cell(int row, int column);
    // Makes the cells of `rowColumns` ((row << 32) | column, no two alike) the table's only
    // cells, numbered in that order and empty, for values(number) to fill from any thread.
    void assign(std::vector<quint64> rowColumns);
    CellValue* values(size_t number) { return m_values.data() + number * size_t(m_measureCount); }
    const CellValue* find(int row, int column) const;
    const CellValue* find(const Position& row, const Position& column) const;
    // Calls f(row, column, values) for every cell, in the order they were created.
    template<typename F>
    void forEach(F&& f) const
    {
        for (size_t i = 0; i < m_keys.size(); ++i)
            f(int(m_keys[i] >> 32), int(m_keys[i] & 0xFFFFFFFFu), m_values.data() + i * size_t(m_measureCount));
    }

private:
    static quint64 key(int row, int column) { return (quint64(quint32(row)) << 32) | quint32(column); }
    size_t slotOf(quint64 key) const;   // where the key is, or the empty slot it would take
    void grow();

    struct Slot
    {
        quint64 key = 0;
        qsizetype cell = -1;   // -1: empty
    };

    int m_measureCount;
    // Open addressing from cell keys to cell numbers, a power of two in size; the key stands
    // beside its number so that a probe reads one place.
    std::vector<Slot> m_index;
    std::vector<quint64> m_keys;       // by cell number
    std::vector<CellValue> m_values;   // by cell number, then measure
};

}
