#pragma once

#include "DataSetWriter.h"
#include "Measurement.h"

struct sqlite3;
struct pg_conn;

namespace ssb {

// Plain SQL on SQLite over the cube file itself.
class SqlitePeer
{
public:
    explicit SqlitePeer(const std::string& path);
    ~SqlitePeer();
    SqlitePeer(const SqlitePeer&) = delete;
    SqlitePeer& operator=(const SqlitePeer&) = delete;

    ResultMap run(const std::string& sql);

private:
    sqlite3* m_db = nullptr;
};

// PostgreSQL: the same tables and cube metadata as a catalog (schema "olap" for the metadata).
class PostgresPeer
{
public:
    explicit PostgresPeer(const std::string& connectionInfo);
    ~PostgresPeer();
    PostgresPeer(const PostgresPeer&) = delete;
    PostgresPeer& operator=(const PostgresPeer&) = delete;

    // Replaces the catalog's tables with the data set's. `cubeHeaderSql` is the cube file's
    // header; its PRAGMA lines mean nothing to the server and are left out.
    void load(const DataSet& dataSet, const std::string& cubeHeaderSql);
    ResultMap run(const std::string& sql);

private:
    void exec(const std::string& sql);
    void copyFile(const std::string& table, const std::string& path);
    pg_conn* m_conn = nullptr;
};

}
