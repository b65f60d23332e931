#include "olap/MemoryAggregator.h"

#include "olap/Aggregation.h"

namespace olap {

CellTable aggregateInMemory(const CubeData& data, const QueryPlan& plan, const PivotQuery& query)
{
    return aggregation::Aggregation(data, plan, query).run();
}

}
