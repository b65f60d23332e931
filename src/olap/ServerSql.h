#pragma once

#include "olap/CellTable.h"
#include "olap/MemberLookup.h"

#include <set>

namespace olap {

// The members of every hierarchy, from one statement per dimension table. `emptyTexts` gets, by
// hierarchy and level, whether a key is an empty text rather than NULL (both are the empty member).
std::vector<HierarchyIndex> readHierarchyIndexes(const SqlRunner& run, const CubeDefinition& cube,
                                                 std::vector<std::vector<bool>>& emptyTexts);

// Finds, by one statement, which hierarchies have facts whose key matches no row of their
// dimension table (NULL, or absent from it); by hierarchy. Such facts count nowhere, so a
// pivot query must join those dimension tables even where it does not show them.
std::vector<bool> hierarchiesWithUnmatchedFacts(const SqlRunner& run, const CubeDefinition& cube);

// What the cube's tables hold that every statement depends on, read when the cube is opened.
struct ServerKeys
{
    std::vector<HierarchyIndex> indexes;
    std::vector<std::vector<bool>> emptyTexts;   // as readHierarchyIndexes() finds them
    std::vector<bool> unmatched;                 // as hierarchiesWithUnmatchedFacts() finds them
};
ServerKeys readServerKeys(const SqlRunner& run, const CubeDefinition& cube);

// Builds the SQL that the cube server runs for a cube: the star join, the member
// conditions with their values as parameters, and the grouped query of a pivot.
class ServerSql
{
public:
    ServerSql(const CubeDefinition& cube, const ServerKeys& keys) : m_cube(cube), m_keys(keys) {}

    // One grouped statement for the positions the query shows: a grouping set for each
    // combination of levels whose cells the layout shows or sorts an axis by (a plain GROUP BY
    // when that is one). It joins the dimensions the query shows or filters, and those with
    // unmatched facts.
    QString pivotQuery(const QueryPlan& plan, const PivotQuery& query, QStringList& params) const;
    // Puts the rows of pivotQuery() into `cells`, keeping only positions the plan shows.
    void readPivotRows(const QueryPlan& plan, const QVector<SqlRow>& rows, CellTable& cells) const;

    // The fact rows of one cell, with every level's caption and every measure column.
    QString detailQuery(const QueryPlan& plan, const std::vector<CellMember>& cell, int limit,
                        QStringList& params) const;

private:
    QString levelColumn(int hierarchy, int level) const;
    QString groupColumn(int hierarchy, int level) const;
    std::vector<QStringList> groupingSets(const QueryPlan& plan, const PivotQuery& query) const;
    QStringList groupedLevels(const QueryPlan& plan, const std::vector<QStringList>& sets) const;
    QString aggregate(int measure) const;
    std::set<int> joinedHierarchies(const QueryPlan& plan) const;
    QString fromClause(const std::set<int>& hierarchies) const;
    QString whereClause(const QueryPlan& plan, const std::vector<CellMember>& cell, QStringList& params) const;
    QString keyCondition(int hierarchy, int level, const QString& key, QStringList& params) const;
    QString memberCondition(int hierarchy, int member, QStringList& params) const;
    QString membersCondition(int hierarchy, const QVector<int>& members, QStringList& params) const;

    const CubeDefinition& m_cube;
    const ServerKeys& m_keys;
};

}
