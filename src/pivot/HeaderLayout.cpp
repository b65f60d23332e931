#include "pivot/HeaderLayout.h"

#include "pivot/PivotLayout.h"

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

}

HeaderLayout::HeaderLayout(const QVector<olap::Tuple>& tuples, const olap::Axis& axis, const LevelCount& levels,
                           bool placeholder, const CaptionLookup& lookup)
    : m_positions(int(tuples.size()))
{
    const int fieldCount = int(axis.fields.size());
    // Slots: one per level a field shows in this result.
    std::vector<int> depthOf(size_t(fieldCount), 0);
    for (const olap::Tuple& tuple : tuples)
        for (int f = 0; f < fieldCount && f < tuple.members.size(); ++f)
            depthOf[size_t(f)] = std::max(depthOf[size_t(f)], tuple.members[f].member.path.level());
    std::vector<int> firstSlot(size_t(fieldCount) + 1, 0);
    for (int f = 0; f < fieldCount; ++f) {
        firstSlot[size_t(f) + 1] = firstSlot[size_t(f)] + depthOf[size_t(f)] + 1;
        for (int d = 0; d <= depthOf[size_t(f)]; ++d) {
            m_slotField.push_back(f);
            m_slotDepth.push_back(d);
        }
    }
    m_slots = firstSlot[size_t(fieldCount)];
    if (m_slots == 0 && placeholder) {
        m_slots = 1;
        m_slotField.push_back(-1);
        m_slotDepth.push_back(0);
    }
    m_cells.resize(size_t(m_positions) * size_t(m_slots));
    if (m_slots == 0)
        return;

    // Ancestors show the caption their own (total) position carries; a result without
    // subtotals names them by key.
    QHash<QString, QString> captions;
    for (const olap::Tuple& tuple : tuples)
        for (int f = 0; f < fieldCount && f < tuple.members.size(); ++f) {
            const olap::Member& m = tuple.members[f].member;
            if (!m.path.isAll())
                captions.insert(pathKey(f, m.path.keys, m.path.level()), m.caption);
        }

    // Keys that decide merging; covered slots share one sentinel.
    std::vector<QString> previousKeys(static_cast<size_t>(m_slots));
    std::vector<QString> keys(static_cast<size_t>(m_slots));
    for (int t = 0; t < m_positions; ++t) {
        const olap::Tuple& tuple = tuples[t];
        HeaderCell* row = &m_cells[size_t(t) * size_t(m_slots)];
        if (fieldCount == 0 || tuple.members.isEmpty()) {
            row[0].text = grandTotalText();
            row[0].span = m_slots;
            row[0].total = true;
            for (int s = 1; s < m_slots; ++s)
                row[s].span = 0;
            for (int s = 0; s < m_slots; ++s) {
                keys[size_t(s)] = QStringLiteral("\x01T");
                row[s].runStart = t;
            }
            previousKeys.swap(keys);
            continue;
        }
        const auto [totalAt, hasTotal] = totalField(tuple);
        int coveredUntil = 0;   // slots before this index are covered by an earlier span
        for (int f = 0; f < fieldCount; ++f) {
            const olap::TupleMember& tm = tuple.members.value(f);
            const olap::MemberPath& path = tm.member.path;
            const int first = firstSlot[size_t(f)];
            const int width = firstSlot[size_t(f) + 1] - first;
            for (int d = 0; d < width; ++d) {
                const int s = first + d;
                HeaderCell& cell = row[s];
                if (s < coveredUntil) {
                    cell.span = 0;
                    keys[size_t(s)] = QStringLiteral("\x01C");
                    continue;
                }
                if (hasTotal && totalAt < 0) {   // the grand total
                    cell.text = grandTotalText();
                    cell.span = m_slots - s;
                    cell.total = true;
                    coveredUntil = m_slots;
                    keys[size_t(s)] = QStringLiteral("\x01T");
                    continue;
                }
                if (hasTotal && f == totalAt && d == path.level()) {
                    cell.text = totalText(tm.member.caption);
                    cell.span = m_slots - s;
                    cell.total = true;
                    coveredUntil = m_slots;
                    keys[size_t(s)] = QStringLiteral("\x01T");
                    continue;
                }
                keys[size_t(s)] = path.keys.value(d);
                if (d < path.level()) {
                    const QString key = pathKey(f, path.keys, d);
                    auto known = captions.constFind(key);
                    if (known == captions.constEnd()) {
                        const olap::MemberPath ancestor{path.keys.mid(0, d + 1)};
                        const QString found = lookup ? lookup(axis.fields[f].hierarchy, ancestor) : QString();
                        known = captions.insert(key, found.isEmpty() ? path.keys.value(d) : found);
                    }
                    cell.text = *known;
                    cell.expandable = cell.expanded = true;
                } else {
                    cell.text = tm.member.caption;
                    cell.span = width - d;
                    coveredUntil = first + width;
                    const int levelCount = levels ? levels(axis.fields[f].hierarchy) : 0;
                    cell.expandable = path.level() + 1 < levelCount;
                    cell.expanded = cell.expandable && PivotLayout::isExpanded(axis.fields[f], path);
                }
            }
        }
        // Merge with the position above while every slot up to this one agrees.
        bool same = t > 0;
        for (int s = 0; s < m_slots; ++s) {
            HeaderCell& cell = row[s];
            same = same && keys[size_t(s)] == previousKeys[size_t(s)];
            const bool merges = same && !cell.total && cell.span > 0
                && m_cells[size_t(t - 1) * size_t(m_slots) + size_t(s)].span == cell.span;
            cell.runStart = merges ? m_cells[size_t(t - 1) * size_t(m_slots) + size_t(s)].runStart : t;
        }
        previousKeys.swap(keys);
    }
    // Run ends, from the bottom up.
    for (int t = m_positions - 1; t >= 0; --t)
        for (int s = 0; s < m_slots; ++s) {
            HeaderCell& cell = m_cells[size_t(t) * size_t(m_slots) + size_t(s)];
            const HeaderCell* below =
                t + 1 < m_positions ? &m_cells[size_t(t + 1) * size_t(m_slots) + size_t(s)] : nullptr;
            cell.runEnd = below && below->runStart == cell.runStart ? below->runEnd : t;
        }
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
