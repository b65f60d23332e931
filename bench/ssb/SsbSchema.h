#pragma once

#include "SsbGenerator.h"

#include <string>
#include <vector>

namespace ssb {

enum class ColumnType { Integer, Text };

struct Column
{
    std::string name;
    ColumnType type;
};

struct Table
{
    std::string name;
    std::vector<Column> columns;
    std::string primaryKey;   // empty: none (the fact table has no key index in any peer)
    void (SsbGenerator::*rows)(const RowSink&) const;
};

// The benchmark's five tables, dimensions first.
const std::vector<Table>& tables();

enum class Dialect { Sqlite, Postgres, DuckDb };

// "CREATE TABLE ..." for one database.
std::string createTable(const Table& table, Dialect dialect);

// The cube over the tables: the two measure columns that the queries derive from others,
// small tables for the discount and quantity of a line order (so that they can be filtered
// as members), and the rows of the cube metadata tables.
std::vector<std::string> cubeStatements(Dialect dialect);

// The cube's name in its metadata.
inline constexpr const char* kCubeName = "SSB";

}
