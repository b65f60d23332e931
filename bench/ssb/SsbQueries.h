#pragma once

#include "olap/CubeSource.h"

#include <vector>

// The 13 Star Schema Benchmark queries as pivot queries on the SSB cube, with the SQL that
// the peers run (from queries.sql, in the same order).
struct SsbQuery
{
    QString name;
    olap::PivotQuery pivot;
    QString sql;
};

std::vector<SsbQuery> ssbQueries(const QString& queriesSqlPath);
