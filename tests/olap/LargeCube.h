#pragma once

#include "olap/CubeSource.h"

#include <QString>

// A generated cube large enough for the engine's parallel and partitioned paths: 60,000
// facts over dimensions of 1,000, 600 and 5 rows, regions with an empty (NULL) key, facts
// whose key has no dimension row, NULL values, two distinct-count measures (whole numbers and
// texts), and whole numbers beyond 2^53 (up to 2^56) whose sums pass 2^61. The same SQL builds
// it as a cube file and as a server catalog.
namespace largecube {

// The tables, their rows and the metadata rows, in SQL that both SQLite and PostgreSQL run.
QString sql(int facts = 60000);
QString cubeFile();   // built once per test run

// Every measure of the cube, and the same values in SQL over the tables (f, a, b, c).
QStringList measures();

// Checks every cell of `cells`, the answer to `query`, against plain SQL over the cube
// file, one GROUP BY per combination of the fields' depths; `where` is the SQL of the
// query's filters over the same aliases (empty: none).
void expectEqualsSql(const olap::CellSet& cells, const olap::PivotQuery& query, const QString& where = {});

}
