#pragma once

#include "olap/CubeSource.h"

#include <QHash>
#include <vector>

namespace olap {

// One level's values in one row of a dimension table.
struct LevelCell
{
    QString key;
    QString caption;
    QString sortValue;
};

// The members of one hierarchy as a tree, built from the rows of its dimension table.
// Member ids are dense; each dimension row knows its member at every level.
class HierarchyIndex
{
public:
    struct MemberInfo
    {
        int level = 0;
        int parent = -1;   // -1 under the All member
        int rank = 0;      // position in the hierarchy's order (a pre-order walk)
        QString key;
        QString caption;
        std::vector<int> children;   // in the hierarchy's order
    };

    explicit HierarchyIndex(int levelCount) : m_levelCount(levelCount) {}

    // Rows are numbered in the order they are added; `cells` holds one cell per level.
    void addRow(const QVector<LevelCell>& cells);
    // Orders siblings by their sort values (numbers as numbers), then by key. Call once, after the rows.
    void finish();

    int levelCount() const { return m_levelCount; }
    int rowCount() const { return int(m_rowMembers.size() / size_t(m_levelCount)); }
    int memberCount() const { return int(m_members.size()); }
    const MemberInfo& member(int id) const { return m_members[size_t(id)]; }
    const std::vector<int>& roots() const { return m_roots; }
    int rowMember(int row, int level) const { return m_rowMembers[size_t(row) * size_t(m_levelCount) + size_t(level)]; }

    // -1 when no member has this path; the All member (an empty path) is -1 as well.
    int find(const MemberPath& path) const;
    MemberPath pathOf(int id) const;
    int ancestorAt(int id, int level) const;

private:
    int child(int parent, const QString& key) const;

    int m_levelCount;
    std::vector<MemberInfo> m_members;
    std::vector<QString> m_sortValues;
    std::vector<int> m_roots;
    std::vector<int> m_rowMembers;
    QHash<QPair<int, QString>, int> m_byParentAndKey;
};

// Compares two texts as numbers when both are numbers, else as texts.
int compareSortValues(const QString& a, const QString& b);

}
