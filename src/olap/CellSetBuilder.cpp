#include "olap/CellSetBuilder.h"

#include <algorithm>

namespace olap {

CellSet CellSetBuilder::build() const
{
    const Position rowAll(qsizetype(m_plan.rows.size()), -1);
    const Position columnAll(qsizetype(m_plan.columns.size()), -1);
    const QVector<Entry> rows = layout({m_query.rows, m_plan.rows, m_cells.rows, columnAll, true});
    const QVector<Entry> columns = layout({m_query.columns, m_plan.columns, m_cells.columns, rowAll, false});

    CellSet set;
    set.measures = m_query.measures;
    MemberCache rowMembers(m_plan.rows.size());
    MemberCache columnMembers(m_plan.columns.size());
    set.rows.reserve(rows.size());
    for (const Entry& e : rows)
        set.rows.append(tupleOf(e, m_plan.rows, rowMembers));
    for (const Entry& e : columns)
        set.columns.append(tupleOf(e, m_plan.columns, columnMembers));
    const size_t measureCount = size_t(m_query.measures.size());
    set.values.resize(size_t(rows.size()) * size_t(columns.size()) * measureCount);
    // Each computed cell goes to its place in the layout; positions the layout does not show
    // (totals that only sorting needed) have none.
    std::vector<qsizetype> rowAt(size_t(m_cells.rows.size()), -1);
    std::vector<qsizetype> columnAt(size_t(m_cells.columns.size()), -1);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (const int i = m_cells.rows.find(rows[r].position); i >= 0)
            rowAt[size_t(i)] = r;
    }
    for (qsizetype c = 0; c < columns.size(); ++c) {
        if (const int i = m_cells.columns.find(columns[c].position); i >= 0)
            columnAt[size_t(i)] = c;
    }
    const size_t columnCount = size_t(columns.size());
    m_cells.forEach([&](int row, int column, const CellValue* values) {
        const qsizetype r = rowAt[size_t(row)];
        const qsizetype c = columnAt[size_t(column)];
        if (r < 0 || c < 0)
            return;
        std::copy(values, values + measureCount,
                  set.values.begin() + qsizetype((size_t(r) * columnCount + size_t(c)) * measureCount));
    });
    return set;
}

QVector<CellSetBuilder::Entry> CellSetBuilder::layout(const AxisContext& ctx) const
{
    QVector<Entry> out;
    const qsizetype n = qsizetype(ctx.fields.size());
    if (n == 0) {
        out.append({Position{}, {}});
        return out;
    }
    walkField(ctx, 0, Position(n, -1), out);
    if (ctx.axis.grandTotal)
        out.append({Position(n, -1), QVector<bool>(n, true)});
    return out;
}

void CellSetBuilder::walkField(const AxisContext& ctx, int field, const Position& prefix, QVector<Entry>& out) const
{
    for (int id : children(ctx, field, prefix, -1))
        emitMember(ctx, field, prefix, id, out);
}

void CellSetBuilder::emitMember(const AxisContext& ctx, int field, const Position& prefix, int member,
                                QVector<Entry>& out) const
{
    const qsizetype n = qsizetype(ctx.fields.size());
    Position here = prefix;
    here[field] = member;
    QVector<bool> totalsAfter(n, false);
    for (qsizetype f = field + 1; f < n; ++f)
        totalsAfter[f] = true;

    if (ctx.fields[size_t(field)].open[size_t(member)]) {
        const std::vector<int> kids = children(ctx, field, prefix, member);
        if (!kids.empty()) {
            for (int kid : kids)
                emitMember(ctx, field, prefix, kid, out);
            if (ctx.axis.subtotals) {
                QVector<bool> total = totalsAfter;
                total[field] = true;
                out.append({here, total});
            }
            return;
        }
    }
    if (field + 1 == n) {
        out.append({here, totalsAfter});
        return;
    }
    walkField(ctx, field + 1, here, out);
    if (ctx.axis.subtotals)
        out.append({here, totalsAfter});
}

std::vector<int> CellSetBuilder::children(const AxisContext& ctx, int field, const Position& prefix, int parent) const
{
    const FieldPlan& plan = ctx.fields[size_t(field)];
    std::vector<int> kids = plan.visibleChildren(parent);
    if (!ctx.axis.showEmpty) {
        Position p = prefix;
        std::erase_if(kids, [&](int id) {
            p[field] = id;
            return ctx.positions.find(p) < 0;
        });
    }
    if (ctx.axis.sortByValue != SortOrder::None && ctx.axis.sortByMeasure) {
        std::vector<CellValue> values;
        std::vector<size_t> order(kids.size());
        Position p = prefix;
        for (size_t i = 0; i < kids.size(); ++i) {
            order[i] = i;
            p[field] = kids[i];
            values.push_back(sortValue(ctx, p));
        }
        const bool ascending = ctx.axis.sortByValue == SortOrder::Ascending;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            if (!values[a] || !values[b])
                return values[a].hasValue() && !values[b].hasValue();   // no value last
            return ascending ? values[a].exact() < values[b].exact() : values[b].exact() < values[a].exact();
        });
        std::vector<int> sorted;
        for (size_t i : order)
            sorted.push_back(kids[i]);
        return sorted;
    }
    if (ctx.axis.sortByLabel != SortOrder::None) {
        const bool ascending = ctx.axis.sortByLabel == SortOrder::Ascending;
        std::stable_sort(kids.begin(), kids.end(), [&](int a, int b) {
            const QString& x = plan.index->member(a).caption;
            const QString& y = plan.index->member(b).caption;
            int c = x.compare(y, Qt::CaseInsensitive);
            if (c == 0)
                c = x.compare(y);
            return ascending ? c < 0 : c > 0;
        });
    }
    return kids;
}

CellValue CellSetBuilder::sortValue(const AxisContext& ctx, const Position& p) const
{
    const int measure = *ctx.axis.sortByMeasure;
    if (measure < 0 || measure >= m_cells.measureCount())
        return {};
    const CellValue* cell = ctx.rowsAxis ? m_cells.find(p, ctx.otherAll) : m_cells.find(ctx.otherAll, p);
    return cell ? cell[measure] : CellValue();
}

Tuple CellSetBuilder::tupleOf(const Entry& e, const std::vector<FieldPlan>& fields, MemberCache& members) const
{
    Tuple t;
    t.members.reserve(e.position.size());
    for (qsizetype f = 0; f < e.position.size(); ++f) {
        TupleMember tm;
        tm.isTotal = e.total[f];
        const int id = e.position[f];
        if (id >= 0) {
            // Members recur in many tuples; their paths and captions are shared copies.
            auto [it, added] = members[size_t(f)].try_emplace(id);
            if (added) {
                const HierarchyIndex& index = *fields[size_t(f)].index;
                it->second.path = index.pathOf(id);
                it->second.caption = index.member(id).caption;
            }
            tm.member = it->second;
        } else {
            tm.member.caption = QStringLiteral("All");
        }
        t.members.append(tm);
    }
    return t;
}

}
