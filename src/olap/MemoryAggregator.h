#pragma once

#include "olap/CellTable.h"
#include "olap/CubeData.h"

namespace olap {

// Computes a query's cells from a cube in memory. Facts are first grouped by the deepest
// visible member of every axis field (on several threads for large cubes); the groups are
// then rolled up into every subtotal and total position, keeping sums and counts apart for
// averages and the values themselves for distinct counts, so no total is a sum of sub-results.
CellTable aggregateInMemory(const CubeData& data, const QueryPlan& plan);

}
