#pragma once

#include "olap/CubeSource.h"

#include <functional>
#include <vector>

namespace pivot {

// One cell of a nested header: a member caption (or a total) standing in one slot of
// one axis position, merged with the cells above it that show the same member.
struct HeaderCell
{
    QString text;
    int span = 1;       // slots covered from this one on; 0 when a cell before covers it
    int runStart = 0;   // first and last axis position merged with this one
    int runEnd = 0;
    bool total = false;
    bool expandable = false;
    bool expanded = false;
};

// The nested headers of one axis. Each axis field gets one slot per level it shows, so
// a hierarchy drilled from years to quarters takes two slots; a total spans from its
// member's slot to the last slot. Made once per result, on whatever thread answers the
// query; the views only read it.
class HeaderLayout
{
public:
    using LevelCount = std::function<int(const QString& hierarchy)>;
    // The caption of an ancestor member that no position of the result carries (a result
    // without subtotals); without one, ancestors are named by their key.
    using CaptionLookup = std::function<QString(const QString& hierarchy, const olap::MemberPath& member)>;
    HeaderLayout() = default;
    // `placeholder`: an axis without fields still gets one slot (labelled "Grand Total").
    HeaderLayout(const QVector<olap::Tuple>& tuples, const olap::Axis& axis, const LevelCount& levels, bool placeholder,
                 const CaptionLookup& lookup = {});

    int positionCount() const { return m_positions; }
    int slotCount() const { return m_slots; }
    // Out of range: an empty cell, and the caller's fault is logged.
    const HeaderCell& cell(int position, int slot) const;
    // Whether any slot of a position shows a total.
    bool isTotal(int position) const;
    // The axis field a slot belongs to (-1 for the placeholder) and its depth in that field.
    int slotField(int slot) const { return m_slotField[slot]; }
    int slotDepth(int slot) const { return m_slotDepth[slot]; }
    // The member a cell shows: the prefix of its tuple member down to the slot's depth.
    olap::MemberPath memberAt(const olap::Tuple& tuple, int slot) const;

private:
    class Builder;

    int m_positions = 0;
    int m_slots = 0;
    std::vector<int> m_slotField;
    std::vector<int> m_slotDepth;
    std::vector<HeaderCell> m_cells;
    std::vector<bool> m_totalPositions;
};

}
