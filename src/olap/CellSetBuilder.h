#pragma once

#include "olap/CellTable.h"

#include <unordered_map>

namespace olap {

// Lays out the tuples of both axes from the computed cells: members in hierarchy order (or
// sorted), children before their parent's total, nested fields, the grand total last, and
// members without facts left out unless the axis shows empty members.
class CellSetBuilder
{
public:
    CellSetBuilder(const QueryPlan& plan, const CellTable& cells, const PivotQuery& query)
        : m_plan(plan), m_cells(cells), m_query(query)
    {
    }

    CellSet build() const;

private:
    struct Entry
    {
        Position position;
        QVector<bool> total;
    };
    struct AxisContext
    {
        const Axis& axis;
        const std::vector<FieldPlan>& fields;
        const PositionTable& positions;
        Position otherAll;   // the all-All position of the other axis, for sorting by value
        bool rowsAxis;
    };

    QVector<Entry> layout(const AxisContext& ctx) const;
    void walkField(const AxisContext& ctx, int field, const Position& prefix, QVector<Entry>& out) const;
    void emitMember(const AxisContext& ctx, int field, const Position& prefix, int member, QVector<Entry>& out) const;
    std::vector<int> children(const AxisContext& ctx, int field, const Position& prefix, int parent) const;
    CellValue sortValue(const AxisContext& ctx, const Position& p) const;
    using MemberCache = std::vector<std::unordered_map<int, Member>>;   // by field, then member id
    Tuple tupleOf(const Entry& e, const std::vector<FieldPlan>& fields, MemberCache& members) const;

    const QueryPlan& m_plan;
    const CellTable& m_cells;
    const PivotQuery& m_query;
};

}
