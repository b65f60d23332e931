#include "olap/HierarchyIndex.h"

#include <algorithm>
#include <cmath>

namespace olap {

int compareSortValues(const QString& a, const QString& b)
{
    // Whole numbers beyond 2^53 lose digits as doubles: compared as integers, every digit counts.
    bool aWhole = false;
    bool bWhole = false;
    const qint64 i = a.toLongLong(&aWhole);
    const qint64 j = b.toLongLong(&bWhole);
    if (aWhole && bWhole)
        return i < j ? -1 : (j < i ? 1 : 0);
    bool aNumber = false;
    bool bNumber = false;
    const double x = a.toDouble(&aNumber);
    const double y = b.toDouble(&bNumber);
    // "nan" and "inf" read as numbers, but a member called "Nan" is a name, and NaN
    // compares equal to every number, which no sort can order by.
    aNumber = aNumber && std::isfinite(x);
    bNumber = bNumber && std::isfinite(y);
    if (aNumber && bNumber)
        return x < y ? -1 : (y < x ? 1 : 0);
    if (aNumber != bNumber)
        return aNumber ? -1 : 1;   // numbers before texts
    return a.compare(b);
}

void HierarchyIndex::addRow(const QVector<LevelCell>& cells)
{
    int parent = -1;
    for (int level = 0; level < m_levelCount; ++level) {
        const LevelCell& cell = cells[level];
        int id = child(parent, cell.key);
        if (id < 0) {
            id = int(m_members.size());
            MemberInfo info;
            info.level = level;
            info.parent = parent;
            info.key = cell.key;
            info.caption = cell.caption;
            m_members.push_back(std::move(info));
            m_sortValues.push_back(cell.sortValue);
            m_byParentAndKey.insert(qMakePair(parent, cell.key), id);
            if (parent < 0)
                m_roots.push_back(id);
            else
                m_members[size_t(parent)].children.push_back(id);
        }
        m_rowMembers.push_back(id);
        parent = id;
    }
}

void HierarchyIndex::finish()
{
    const auto before = [this](int a, int b) {
        const int bySort = compareSortValues(m_sortValues[size_t(a)], m_sortValues[size_t(b)]);
        if (bySort != 0)
            return bySort < 0;
        return compareSortValues(m_members[size_t(a)].key, m_members[size_t(b)].key) < 0;
    };
    std::sort(m_roots.begin(), m_roots.end(), before);
    for (MemberInfo& m : m_members)
        std::sort(m.children.begin(), m.children.end(), before);
    m_sortValues.clear();
    m_sortValues.shrink_to_fit();

    int rank = 0;
    std::vector<int> stack(m_roots.rbegin(), m_roots.rend());
    while (!stack.empty()) {
        const int id = stack.back();
        stack.pop_back();
        m_members[size_t(id)].rank = rank++;
        const auto& children = m_members[size_t(id)].children;
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
}

int HierarchyIndex::child(int parent, const QString& key) const
{
    return m_byParentAndKey.value(qMakePair(parent, key), -1);
}

int HierarchyIndex::find(const MemberPath& path) const
{
    if (path.keys.size() > m_levelCount)
        return -1;
    int id = -1;
    for (const QString& key : path.keys) {
        id = child(id, key);
        if (id < 0)
            return -1;
    }
    return id;
}

MemberPath HierarchyIndex::pathOf(int id) const
{
    MemberPath path;
    for (; id >= 0; id = m_members[size_t(id)].parent)
        path.keys.prepend(m_members[size_t(id)].key);
    return path;
}

int HierarchyIndex::ancestorAt(int id, int level) const
{
    while (id >= 0 && m_members[size_t(id)].level > level)
        id = m_members[size_t(id)].parent;
    return id >= 0 && m_members[size_t(id)].level == level ? id : -1;
}

}
