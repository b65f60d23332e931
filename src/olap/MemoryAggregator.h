#pragma once

#include "olap/CellTable.h"
#include "olap/CubeData.h"

namespace olap {

// Computes a query's cells from a cube in memory. Facts are grouped by the deepest visible
// member of every axis field, in small stretches on every worker thread, into tables split by
// the groups' hash so that merging the threads' tables and rolling the groups up into subtotal
// and total positions run in parallel too. Sums and counts stay apart for averages, and distinct
// counts count the value ids of each cell itself, so no total is a sum of sub-results. Only the
// cells that the query shows (or sorts by) are computed.
CellTable aggregateInMemory(const CubeData& data, const QueryPlan& plan, const PivotQuery& query);

}
