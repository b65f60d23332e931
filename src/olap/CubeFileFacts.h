#pragma once

#include "olap/CubeData.h"
#include "olap/CubeFileKeys.h"
#include "olap/SqliteDatabase.h"

#include <vector>

namespace olap {

// Hierarchies over the same dimension table and fact key share one read of the table
// and one column of dimension rows per fact.
struct DimensionGroup
{
    std::vector<int> hierarchies;
};

// A view is counted first, under the answer limit, so that one that never ends is refused
// rather than read for ever; it is read no further than that count (" LIMIT n", empty for a table).
QString viewRowLimit(SqliteDatabase& db, const QString& table);

// Reads the fact table into the fact keys and measures of `data`, whose definition and
// indexes are read already; `keys` are the dimension keys of each group. Large tables are read
// in stretches on the worker pool, one stretch for each worker.
void readFacts(WorkerConnections& connections, CubeData& data, const std::vector<DimensionGroup>& groups,
               const std::vector<DimensionKeys>& keys, ReadProgress* progress);

}
