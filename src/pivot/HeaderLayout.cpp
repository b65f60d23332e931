#include "pivot/HeaderLayout.h"

#include "pivot/PivotLayout.h"
#include "platform/SoftAssert.h"

#include <QCoreApplication>
#include <QHash>

namespace pivot {
namespace {

QString totalText(const QString& caption)
{
    return QCoreApplication::translate("pivot", "%1 Total").arg(caption);
}

QString grandTotalText()
{
    return QCoreApplication::translate("pivot", "Grand Total");
}

QString pathKey(int field, const QStringList& keys, int depth)
{
    QString key = QString::number(field);
    for (int i = 0; i <= depth && i < keys.size(); ++i)
        key += QChar(0x1f) + keys[i];
    return key;
}

// Where the total of a tuple starts: the first field whose member is a total, or the
// field before the first All member (its member is the one totalled). -1: no total.
std::pair<int, bool> totalField(const olap::Tuple& tuple)
{
    for (int f = 0; f < tuple.members.size(); ++f) {
        const olap::TupleMember& m = tuple.members[f];
        if (m.member.path.isAll())
            return {f - 1, true};
        if (m.isTotal)
            return {f, true};
    }
    return {-1, false};
}

// What decides whether a slot merges with the same slot of the position above: the
// member key it shows, or that it shows a total or is covered by a span before it.
struct SlotKey
{
    enum class Kind { Member, Total, Covered } kind = Kind::Covered;
    QString member;
    bool operator==(const SlotKey& other) const { return kind == other.kind && member == other.member; }
};

}

// Lays the positions out one after the other, each merged with the one above while every
// slot up to it agrees, then closes the runs from the bottom up.
class HeaderLayout::Builder
{
public:
    Builder(HeaderLayout& out, const QVector<olap::Tuple>& tuples, const olap::Axis& axis, const LevelCount& levels,
            const CaptionLookup& lookup)
        : m_out(out)
        , m_tuples(tuples)
        , m_axis(axis)
        , m_levels(levels)
        , m_lookup(lookup)
        , m_fieldCount(int(axis.fields.size()))
    {
    }

    void placeSlots(bool placeholder)
    {
        // One slot per level a field shows in this result.
        std::vector<int> depthOf(size_t(m_fieldCount), 0);
        for (const olap::Tuple& tuple : m_tuples)
            for (int f = 0; f < m_fieldCount && f < tuple.members.size(); ++f)
                depthOf[size_t(f)] = std::max(depthOf[size_t(f)], tuple.members[f].member.path.level());
        m_firstSlot.assign(size_t(m_fieldCount) + 1, 0);
        for (int f = 0; f < m_fieldCount; ++f) {
            m_firstSlot[size_t(f) + 1] = m_firstSlot[size_t(f)] + depthOf[size_t(f)] + 1;
            for (int d = 0; d <= depthOf[size_t(f)]; ++d) {
                m_out.m_slotField.push_back(f);
                m_out.m_slotDepth.push_back(d);
            }
        }
        m_out.m_slots = m_firstSlot[size_t(m_fieldCount)];
        if (m_out.m_slots == 0 && placeholder) {
            m_out.m_slots = 1;
            m_out.m_slotField.push_back(-1);
            m_out.m_slotDepth.push_back(0);
        }
        m_out.m_cells.resize(size_t(m_out.m_positions) * size_t(m_out.m_slots));
        m_out.m_totalPositions.assign(size_t(m_out.m_positions), false);
    }

    void layOutPositions()
    {
        collectCaptions();
        m_previous.assign(size_t(m_out.m_slots), SlotKey{});
        m_keys.assign(size_t(m_out.m_slots), SlotKey{});
        for (int t = 0; t < m_out.m_positions; ++t) {
            HeaderCell* row = &m_out.m_cells[size_t(t) * size_t(m_out.m_slots)];
            const olap::Tuple& tuple = m_tuples[t];
            if (m_fieldCount == 0 || tuple.members.isEmpty())
                grandTotalRow(row);
            else
                memberRow(row, tuple);
            mergeWithAbove(t, row);
            for (int s = 0; s < m_out.m_slots; ++s)
                m_out.m_totalPositions[size_t(t)] = m_out.m_totalPositions[size_t(t)] || row[s].total;
            m_previous.swap(m_keys);
        }
        closeRuns();
    }

private:
    // Ancestors show the caption their own (total) position carries; a result without
    // subtotals names them by key.
    void collectCaptions()
    {
        for (const olap::Tuple& tuple : m_tuples)
            for (int f = 0; f < m_fieldCount && f < tuple.members.size(); ++f) {
                const olap::Member& m = tuple.members[f].member;
                if (!m.path.isAll())
                    m_captions.insert(pathKey(f, m.path.keys, m.path.level()), m.caption);
            }
    }

    void grandTotalRow(HeaderCell* row)
    {
        row[0].text = grandTotalText();
        row[0].span = m_out.m_slots;
        row[0].total = true;
        for (int s = 1; s < m_out.m_slots; ++s)
            row[s].span = 0;
        m_keys.assign(size_t(m_out.m_slots), SlotKey{SlotKey::Kind::Total, {}});
    }

    void memberRow(HeaderCell* row, const olap::Tuple& tuple)
    {
        const auto [totalAt, hasTotal] = totalField(tuple);
        int coveredUntil = 0;   // slots before this index are covered by an earlier span
        for (int f = 0; f < m_fieldCount; ++f) {
            const olap::TupleMember& tm = tuple.members.value(f);
            const int first = m_firstSlot[size_t(f)];
            const int width = m_firstSlot[size_t(f) + 1] - first;
            for (int d = 0; d < width; ++d) {
                const int s = first + d;
                HeaderCell& cell = row[s];
                SlotKey& key = m_keys[size_t(s)];
                if (s < coveredUntil) {
                    cell.span = 0;
                    key = SlotKey{SlotKey::Kind::Covered, {}};
                } else if (hasTotal && (totalAt < 0 || (f == totalAt && d == tm.member.path.level()))) {
                    cell.text = totalAt < 0 ? grandTotalText() : totalText(tm.member.caption);
                    cell.span = m_out.m_slots - s;
                    cell.total = true;
                    coveredUntil = m_out.m_slots;
                    key = SlotKey{SlotKey::Kind::Total, {}};
                } else {
                    key = SlotKey{SlotKey::Kind::Member, tm.member.path.keys.value(d)};
                    if (memberCell(cell, f, d, tm))
                        coveredUntil = first + width;
                }
            }
        }
    }

    // The member itself, or one of its ancestors when it lies deeper than this slot.
    // True when the member's own cell spans the rest of its field.
    bool memberCell(HeaderCell& cell, int f, int d, const olap::TupleMember& tm)
    {
        const olap::MemberPath& path = tm.member.path;
        const int first = m_firstSlot[size_t(f)];
        const int width = m_firstSlot[size_t(f) + 1] - first;
        if (d < path.level()) {
            cell.text = ancestorCaption(f, path, d);
            cell.expandable = cell.expanded = true;
            return false;
        }
        cell.text = tm.member.caption;
        cell.span = width - d;
        const int levelCount = m_levels ? m_levels(m_axis.fields[f].hierarchy) : 0;
        cell.expandable = path.level() + 1 < levelCount;
        cell.expanded = cell.expandable && PivotLayout::isExpanded(m_axis.fields[f], path);
        return true;
    }

    QString ancestorCaption(int f, const olap::MemberPath& path, int d)
    {
        const QString key = pathKey(f, path.keys, d);
        auto known = m_captions.constFind(key);
        if (known == m_captions.constEnd()) {
            const olap::MemberPath ancestor{path.keys.mid(0, d + 1)};
            const QString found = m_lookup ? m_lookup(m_axis.fields[f].hierarchy, ancestor) : QString();
            known = m_captions.insert(key, found.isEmpty() ? path.keys.value(d) : found);
        }
        return *known;
    }

    void mergeWithAbove(int t, HeaderCell* row)
    {
        bool same = t > 0;
        for (int s = 0; s < m_out.m_slots; ++s) {
            HeaderCell& cell = row[s];
            same = same && m_keys[size_t(s)] == m_previous[size_t(s)];
            const HeaderCell* above = t > 0 ? row - m_out.m_slots + s : nullptr;
            const bool merges = same && !cell.total && cell.span > 0 && above->span == cell.span;
            cell.runStart = merges ? above->runStart : t;
        }
    }

    void closeRuns()
    {
        const int width = m_out.m_slots;
        for (int t = m_out.m_positions - 1; t >= 0; --t)
            for (int s = 0; s < width; ++s) {
                HeaderCell& cell = m_out.m_cells[size_t(t) * size_t(width) + size_t(s)];
                const HeaderCell* below =
                    t + 1 < m_out.m_positions ? &m_out.m_cells[size_t(t + 1) * size_t(width) + size_t(s)] : nullptr;
                cell.runEnd = below && below->runStart == cell.runStart ? below->runEnd : t;
            }
    }

    HeaderLayout& m_out;
    const QVector<olap::Tuple>& m_tuples;
    const olap::Axis& m_axis;
    const LevelCount& m_levels;
    const CaptionLookup& m_lookup;
    const int m_fieldCount;
    std::vector<int> m_firstSlot;
    QHash<QString, QString> m_captions;
    std::vector<SlotKey> m_previous;
    std::vector<SlotKey> m_keys;
};

HeaderLayout::HeaderLayout(const QVector<olap::Tuple>& tuples, const olap::Axis& axis, const LevelCount& levels,
                           bool placeholder, const CaptionLookup& lookup)
    : m_positions(int(tuples.size()))
{
    Builder builder(*this, tuples, axis, levels, lookup);
    builder.placeSlots(placeholder);
    if (m_slots > 0)
        builder.layOutPositions();
}

const HeaderCell& HeaderLayout::cell(int position, int slot) const
{
    static const HeaderCell none;
    if (!SOFT_ASSERT(position >= 0 && position < m_positions && slot >= 0 && slot < m_slots))
        return none;
    return m_cells[size_t(position) * size_t(m_slots) + size_t(slot)];
}

bool HeaderLayout::isTotal(int position) const
{
    return position >= 0 && position < int(m_totalPositions.size()) && m_totalPositions[size_t(position)];
}

olap::MemberPath HeaderLayout::memberAt(const olap::Tuple& tuple, int slot) const
{
    const int field = m_slotField[size_t(slot)];
    if (field < 0 || field >= tuple.members.size())
        return {};
    const QStringList& keys = tuple.members[field].member.path.keys;
    return olap::MemberPath{keys.mid(0, std::min<int>(int(keys.size()), m_slotDepth[size_t(slot)] + 1))};
}

}
