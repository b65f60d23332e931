#pragma once

#include "DataSetWriter.h"
#include "Measurement.h"
#include "SsbQueries.h"

namespace ssb {

// What the DuckDB run reports: its own load time, peak memory and each query's timings.
struct DuckDbRun
{
    std::string version;
    double loadSeconds = 0;
    double peakMemoryBytes = 0;
    std::vector<Measured> queries;   // in the order of the queries asked
};

// Runs the queries on DuckDB in a node process (the npm package ships DuckDB itself):
// `script` loads the data set's ".tbl" files into an in-memory database and times each
// query `runs` times. Throws std::runtime_error when node or the package fails.
DuckDbRun runDuckDb(const std::string& script, const DataSet& dataSet, const std::vector<SsbQuery>& queries,
                    int runs);

}
