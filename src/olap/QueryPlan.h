#pragma once

#include "olap/CubeDefinition.h"
#include "olap/HierarchyIndex.h"

#include <cstdint>
#include <vector>

namespace olap {

// What one axis field shows: which members are visible, which show their children, and
// for every dimension row the deepest visible member above it.
struct FieldPlan
{
    int hierarchy = 0;
    const HierarchyIndex* index = nullptr;
    std::vector<uint8_t> visible;   // by member id
    std::vector<uint8_t> open;      // by member id: its children are visible
    std::vector<int> rowLeaf;       // by dimension row; -1 when a filter drops the row
    int deepestLevel = 0;           // the deepest level with a visible member

    std::vector<int> visibleChildren(int parent) const;   // parent -1: the top level
};

// The member filters of one hierarchy, all applied (a row passes when every filter keeps it).
struct HierarchyFilter
{
    int hierarchy = 0;
    QVector<QVector<int>> includeSets;   // member ids, one set per filter
    std::vector<uint8_t> rowAllowed;     // by dimension row
    std::vector<uint8_t> memberShown;    // by member id: kept, or above a kept member
};

struct QueryPlan
{
    std::vector<FieldPlan> rows;
    std::vector<FieldPlan> columns;
    std::vector<HierarchyFilter> filters;
    std::vector<int> measures;   // measure indexes of the definition

    // Throws platform::VbError (0x80004005) for a hierarchy, level or measure the cube lacks.
    static QueryPlan build(const CubeDefinition& cube, const std::vector<HierarchyIndex>& indexes,
                           const PivotQuery& query);

    const HierarchyFilter* filterOf(int hierarchy) const;
    // Filters on hierarchies that are on neither axis.
    std::vector<const HierarchyFilter*> filtersOffAxes() const;
};

}
