#pragma once

#include "olap/CubeDefinition.h"
#include "olap/HierarchyIndex.h"

#include <vector>

namespace olap {

// Answers CubeSource::members from a hierarchy's index.
QVector<Member> listMembers(const CubeDefinition& cube, const std::vector<HierarchyIndex>& indexes,
                            const QString& hierarchy, int level, const MemberPath& parent, const QString& search);

// The members that one cell of a cell set stands for, one per axis field that is not All.
struct CellMember
{
    int hierarchy = 0;
    int member = 0;
};
// Throws platform::VbError (9) when the row or column is not in the cell set.
std::vector<CellMember> membersOfCell(const PivotQuery& query, const CellSet& cells, int row, int column,
                                      const CubeDefinition& cube, const std::vector<HierarchyIndex>& indexes);

// The columns of detail rows: every level of every hierarchy, then the measures with a column.
QStringList detailColumns(const CubeDefinition& cube);

}
