#pragma once

#include "olap/CellTable.h"
#include "olap/MemberLookup.h"

#include <set>

namespace olap {

// Builds the SQL that the cube server runs for a cube: the star join, the member
// conditions with their values as parameters, and the grouped query of a pivot.
class ServerSql
{
public:
    ServerSql(const CubeDefinition& cube, const std::vector<HierarchyIndex>& indexes)
        : m_cube(cube), m_indexes(indexes)
    {
    }

    // One grouped statement for the positions the query shows, with GROUPING SETS.
    QString pivotQuery(const QueryPlan& plan, const PivotQuery& query, QStringList& params) const;
    // Puts the rows of pivotQuery() into `cells`, keeping only positions the plan shows.
    void readPivotRows(const QueryPlan& plan, const QVector<SqlRow>& rows, CellTable& cells) const;

    // The fact rows of one cell, with every level's caption and every measure column.
    QString detailQuery(const QueryPlan& plan, const std::vector<CellMember>& cell, int limit,
                        QStringList& params) const;

    // The levels of a hierarchy's dimension table: key, caption and sort value of each level.
    QString hierarchyRows(int hierarchy) const;

private:
    QString levelColumn(int hierarchy, int level) const;
    QString fromClause(const std::set<int>& hierarchies) const;
    QString whereClause(const QueryPlan& plan, const std::vector<CellMember>& cell, QStringList& params) const;
    QString keyCondition(int hierarchy, int level, const QString& key, QStringList& params) const;
    QString memberCondition(int hierarchy, int member, QStringList& params) const;
    QString membersCondition(int hierarchy, const QVector<int>& members, QStringList& params) const;

    const CubeDefinition& m_cube;
    const std::vector<HierarchyIndex>& m_indexes;
};

}
