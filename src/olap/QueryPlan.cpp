#include "olap/QueryPlan.h"

#include "platform/VbError.h"

#include <QCoreApplication>

namespace olap {

namespace {

[[noreturn]] void badQuery(const QString& why)
{
    platform::raiseError(platform::err::Unspecified,
                         QCoreApplication::translate("olap", "The query is not valid: ") + why,
                         QStringLiteral("CubeSource"));
}

int hierarchyOrThrow(const CubeDefinition& cube, const QString& name)
{
    const int h = cube.hierarchyIndex(name);
    if (h < 0)
        badQuery(QCoreApplication::translate("olap", "the cube has no hierarchy \"%1\"").arg(name));
    return h;
}

HierarchyFilter buildFilter(int hierarchy, const HierarchyIndex& index, const QVector<QVector<int>>& includeSets)
{
    HierarchyFilter filter;
    filter.hierarchy = hierarchy;
    filter.includeSets = includeSets;
    // 2: kept (itself or an ancestor listed); 1: above a kept member; 0: dropped.
    std::vector<uint8_t> combined(size_t(index.memberCount()), 2);
    for (const QVector<int>& set : includeSets) {
        std::vector<uint8_t> state(size_t(index.memberCount()), 0);
        for (int id : set) {
            state[size_t(id)] = 2;
            for (int up = index.member(id).parent; up >= 0; up = index.member(up).parent)
                state[size_t(up)] = std::max<uint8_t>(state[size_t(up)], 1);
        }
        // Members are created parents first, so one pass carries "kept" down the tree.
        for (int id = 0; id < index.memberCount(); ++id) {
            const int parent = index.member(id).parent;
            if (parent >= 0 && state[size_t(parent)] == 2)
                state[size_t(id)] = 2;
            combined[size_t(id)] = std::min(combined[size_t(id)], state[size_t(id)]);
        }
    }
    filter.memberShown.resize(combined.size());
    for (size_t i = 0; i < combined.size(); ++i)
        filter.memberShown[i] = combined[i] >= 1;
    const int leafLevel = index.levelCount() - 1;
    filter.rowAllowed.resize(size_t(index.rowCount()));
    for (int row = 0; row < index.rowCount(); ++row)
        filter.rowAllowed[size_t(row)] = combined[size_t(index.rowMember(row, leafLevel))] == 2;
    return filter;
}

FieldPlan buildField(int hierarchy, const HierarchyIndex& index, const AxisField& field, const HierarchyFilter* filter)
{
    if (field.level < 0 || field.level >= index.levelCount())
        badQuery(QStringLiteral("hierarchy \"%1\" has no level %2").arg(field.hierarchy).arg(field.level));
    FieldPlan plan;
    plan.hierarchy = hierarchy;
    plan.index = &index;
    const size_t n = size_t(index.memberCount());
    std::vector<uint8_t> expanded(n, 0);
    std::vector<uint8_t> collapsed(n, 0);
    for (const MemberPath& p : field.expanded) {
        if (const int id = index.find(p); id >= 0)
            expanded[size_t(id)] = 1;
    }
    for (const MemberPath& p : field.collapsed) {
        if (const int id = index.find(p); id >= 0)
            collapsed[size_t(id)] = 1;
    }
    plan.visible.assign(n, 0);
    plan.open.assign(n, 0);
    for (size_t id = 0; id < n; ++id) {   // parents come before their children
        const auto& m = index.member(int(id));
        const bool parentShows = m.parent < 0 || (plan.visible[size_t(m.parent)] && plan.open[size_t(m.parent)]);
        plan.visible[id] = parentShows && (!filter || filter->memberShown[id]);
        if (!plan.visible[id] || m.level + 1 >= index.levelCount())
            continue;
        plan.open[id] = expanded[id] || (m.level < field.level && !collapsed[id]);
        if (plan.open[id])
            plan.deepestLevel = std::max(plan.deepestLevel, m.level + 1);
    }
    plan.rowLeaf.assign(size_t(index.rowCount()), -1);
    for (int row = 0; row < index.rowCount(); ++row) {
        if (filter && !filter->rowAllowed[size_t(row)])
            continue;
        int level = 0;
        int id = index.rowMember(row, 0);
        while (plan.open[size_t(id)])
            id = index.rowMember(row, ++level);
        plan.rowLeaf[size_t(row)] = id;
    }
    return plan;
}

}

std::vector<int> FieldPlan::visibleChildren(int parent) const
{
    std::vector<int> result;
    const auto& candidates = parent < 0 ? index->roots() : index->member(parent).children;
    for (int id : candidates) {
        if (visible[size_t(id)])
            result.push_back(id);
    }
    return result;
}

QueryPlan QueryPlan::build(const CubeDefinition& cube, const std::vector<HierarchyIndex>& indexes,
                           const PivotQuery& query)
{
    QueryPlan plan;
    QHash<int, QVector<QVector<int>>> includeSets;
    for (const Filter& f : query.filters) {
        if (f.include.isEmpty())
            continue;
        const int h = hierarchyOrThrow(cube, f.hierarchy);
        QVector<int> ids;
        for (const MemberPath& p : f.include) {
            if (const int id = indexes[size_t(h)].find(p); id >= 0)
                ids.append(id);
        }
        includeSets[h].append(ids);
    }
    for (auto it = includeSets.cbegin(); it != includeSets.cend(); ++it)
        plan.filters.push_back(buildFilter(it.key(), indexes[size_t(it.key())], it.value()));

    for (const AxisField& f : query.rows.fields) {
        const int h = hierarchyOrThrow(cube, f.hierarchy);
        plan.rows.push_back(buildField(h, indexes[size_t(h)], f, plan.filterOf(h)));
    }
    for (const AxisField& f : query.columns.fields) {
        const int h = hierarchyOrThrow(cube, f.hierarchy);
        plan.columns.push_back(buildField(h, indexes[size_t(h)], f, plan.filterOf(h)));
    }
    for (const QString& name : query.measures) {
        const int m = cube.measureIndex(name);
        if (m < 0)
            badQuery(QCoreApplication::translate("olap", "the cube has no measure \"%1\"").arg(name));
        plan.measures.push_back(m);
    }
    return plan;
}

const HierarchyFilter* QueryPlan::filterOf(int hierarchy) const
{
    for (const HierarchyFilter& f : filters) {
        if (f.hierarchy == hierarchy)
            return &f;
    }
    return nullptr;
}

std::vector<const HierarchyFilter*> QueryPlan::filtersOffAxes() const
{
    std::vector<const HierarchyFilter*> result;
    for (const HierarchyFilter& f : filters) {
        bool onAxis = false;
        for (const auto* axis : {&rows, &columns}) {
            for (const FieldPlan& field : *axis)
                onAxis = onAxis || field.hierarchy == f.hierarchy;
        }
        if (!onAxis)
            result.push_back(&f);
    }
    return result;
}

}
