#pragma once

#include "olap/CubeSource.h"

#include <string>
#include <vector>

namespace ssb {

// One of the benchmark's 13 queries, as SQL for the peers and as a pivot query for our
// engine. The SQL lists its group columns first, in the order of the pivot's row fields
// then column fields, and the measure last, so that results can be compared cell by cell; a
// query with totals names every level of each field, top first (see cellsOf).
struct SsbQuery
{
    std::string name;
    std::string sql;
    olap::PivotQuery pivot;
    bool published = true;   // one of the 13; else a workload beyond them, in SQL that SQLite lacks (ROLLUP, CUBE)
};

// The 13 published queries, then the larger results users meet beyond them.
const std::vector<SsbQuery>& ssbQueries();

}
