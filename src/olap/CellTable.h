#pragma once

#include "olap/QueryPlan.h"

#include <QHash>
#include <optional>

namespace olap {

// A place on one axis: a member id per axis field, -1 for the All member. Only the last
// field that is not All may be a member whose children are shown (a subtotal).
using Position = QVector<int>;

class PositionTable
{
public:
    int intern(const Position& p);
    int find(const Position& p) const { return m_index.value(p, -1); }
    const Position& at(int i) const { return m_list[i]; }
    int size() const { return int(m_list.size()); }

private:
    QHash<Position, int> m_index;
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
    std::optional<double>* cell(int row, int column);
    const std::optional<double>* find(int row, int column) const;
    const std::optional<double>* find(const Position& row, const Position& column) const;

private:
    static quint64 key(int row, int column) { return (quint64(quint32(row)) << 32) | quint32(column); }

    int m_measureCount;
    QHash<quint64, qsizetype> m_cells;
    std::vector<std::optional<double>> m_values;
};

}
