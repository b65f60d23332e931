#include "olap/MemberLookup.h"

#include "platform/VbError.h"

#include <QCoreApplication>
#include <algorithm>

namespace olap {

QVector<Member> listMembers(const CubeDefinition& cube, const std::vector<HierarchyIndex>& indexes,
                            const QString& hierarchy, int level, const MemberPath& parent, const QString& search)
{
    const int h = cube.hierarchyIndex(hierarchy);
    if (h < 0)
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("olap", "The cube has no hierarchy \"%1\".").arg(hierarchy),
                             QStringLiteral("CubeSource"));
    const HierarchyIndex& index = indexes[size_t(h)];
    QVector<Member> result;
    if (level < 0 || level >= index.levelCount() || parent.level() >= level)
        return result;
    const int parentId = index.find(parent);
    if (!parent.isAll() && parentId < 0)
        return result;
    std::vector<int> ids;
    for (int id = 0; id < index.memberCount(); ++id) {
        const auto& m = index.member(id);
        if (m.level != level || (parentId >= 0 && index.ancestorAt(id, parent.level()) != parentId))
            continue;
        if (!search.isEmpty() && !m.caption.contains(search, Qt::CaseInsensitive))
            continue;
        ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end(), [&](int a, int b) { return index.member(a).rank < index.member(b).rank; });
    for (int id : ids)
        result.append({index.pathOf(id), index.member(id).caption});
    return result;
}

std::vector<CellMember> membersOfCell(const PivotQuery& query, const CellSet& cells, int row, int column,
                                      const CubeDefinition& cube, const std::vector<HierarchyIndex>& indexes)
{
    if (row < 0 || row >= cells.rows.size() || column < 0 || column >= cells.columns.size())
        platform::raiseError(platform::err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"),
                             QStringLiteral("CubeSource"));
    std::vector<CellMember> result;
    const auto add = [&](const Tuple& tuple, const QVector<AxisField>& fields) {
        for (qsizetype f = 0; f < tuple.members.size() && f < fields.size(); ++f) {
            const MemberPath& path = tuple.members[f].member.path;
            if (path.isAll())
                continue;
            const int h = cube.hierarchyIndex(fields[f].hierarchy);
            result.push_back({h, indexes[size_t(h)].find(path)});
        }
    };
    add(cells.rows[row], query.rows.fields);
    add(cells.columns[column], query.columns.fields);
    return result;
}

QStringList detailColumns(const CubeDefinition& cube)
{
    QStringList columns;
    for (const Hierarchy& h : cube.schema.hierarchies) {
        for (const Level& l : h.levels)
            columns << l.caption;
    }
    for (int m = 0; m < cube.schema.measures.size(); ++m) {
        if (!cube.measures[m].column.isEmpty())
            columns << cube.schema.measures[m].caption;
    }
    return columns;
}

}
