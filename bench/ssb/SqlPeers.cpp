#include "SqlPeers.h"

#include "SsbSchema.h"

#include <cstdio>
#include <libpq-fe.h>
#include <memory>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace ssb {

namespace {

// Group columns first, the measure last.
template<typename TextAt>
void addRow(ResultMap& result, int columns, const TextAt& textAt, double value)
{
    std::string group;
    for (int c = 0; c + 1 < columns; ++c)
        group += (c ? "|" : "") + textAt(c);
    result[group] = value;
}

}

SqlitePeer::SqlitePeer(const std::string& path)
{
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("SQLite: cannot open " + path);
}

SqlitePeer::~SqlitePeer()
{
    sqlite3_close(m_db);
}

ResultMap SqlitePeer::run(const std::string& sql)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("SQLite: ") + sqlite3_errmsg(m_db));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(st, sqlite3_finalize);
    ResultMap result;
    const int columns = sqlite3_column_count(st);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        if (sqlite3_column_type(st, columns - 1) == SQLITE_NULL)
            continue;   // an aggregate over no rows
        addRow(
            result, columns,
            [st](int c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                return text ? std::string(text) : kTotalKey;
            },
            sqlite3_column_double(st, columns - 1));
    }
    if (rc != SQLITE_DONE)
        throw std::runtime_error(std::string("SQLite: ") + sqlite3_errmsg(m_db));
    return result;
}

PostgresPeer::PostgresPeer(const std::string& connectionInfo) : m_conn(PQconnectdb(connectionInfo.c_str()))
{
    if (PQstatus(m_conn) != CONNECTION_OK)
        throw std::runtime_error(std::string("PostgreSQL: ") + PQerrorMessage(m_conn));
    exec("SET client_min_messages = warning");   // no notices from DROP ... IF EXISTS
    // Parallel scans on every core, as DuckDB and our engine use them.
    exec("SET max_parallel_workers_per_gather = " + std::to_string(std::thread::hardware_concurrency()));
    exec("SET work_mem = '256MB'");
}

PostgresPeer::~PostgresPeer()
{
    PQfinish(m_conn);
}

void PostgresPeer::exec(const std::string& sql)
{
    const std::unique_ptr<PGresult, void (*)(PGresult*)> res(PQexec(m_conn, sql.c_str()), PQclear);
    const ExecStatusType status = PQresultStatus(res.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw std::runtime_error("PostgreSQL: " + sql.substr(0, 60) + ": " + PQerrorMessage(m_conn));
}

void PostgresPeer::copyFile(const std::string& table, const std::string& path)
{
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    {
        const std::unique_ptr<PGresult, void (*)(PGresult*)> res(
            PQexec(m_conn, ("COPY \"" + table + "\" FROM STDIN (FORMAT text, DELIMITER '|')").c_str()), PQclear);
        if (PQresultStatus(res.get()) != PGRES_COPY_IN)
            throw std::runtime_error(std::string("PostgreSQL: COPY: ") + PQerrorMessage(m_conn));
    }
    std::vector<char> buffer(1 << 20);
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
        if (PQputCopyData(m_conn, buffer.data(), int(n)) != 1)
            throw std::runtime_error(std::string("PostgreSQL: COPY: ") + PQerrorMessage(m_conn));
    }
    if (PQputCopyEnd(m_conn, nullptr) != 1)
        throw std::runtime_error(std::string("PostgreSQL: COPY: ") + PQerrorMessage(m_conn));
    while (PGresult* res = PQgetResult(m_conn)) {
        const bool ok = PQresultStatus(res) == PGRES_COMMAND_OK;
        PQclear(res);
        if (!ok)
            throw std::runtime_error(std::string("PostgreSQL: COPY ") + table + ": " + PQerrorMessage(m_conn));
    }
}

void PostgresPeer::load(const DataSet& dataSet, const std::string& cubeHeaderSql)
{
    std::string serverHeader;
    std::istringstream lines(cubeHeaderSql);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("PRAGMA", 0) != 0)
            serverHeader += line + '\n';
    }
    exec("DROP SCHEMA IF EXISTS olap CASCADE");
    exec("DROP VIEW IF EXISTS lineorder_facts");
    exec("DROP TABLE IF EXISTS discount, quantity, lineorder, part, supplier, customer, \"date\"");
    exec("CREATE SCHEMA olap");
    exec("SET search_path = olap");
    exec(serverHeader);
    exec("SET search_path = public");
    for (const Table& table : tables()) {
        exec(createTable(table, Dialect::Postgres));
        copyFile(table.name, dataSet.tblFile(table.name));
    }
    for (const std::string& sql : cubeStatements(Dialect::Postgres))
        exec(sql);
    exec("VACUUM ANALYZE");
}

ResultMap PostgresPeer::run(const std::string& sql)
{
    const std::unique_ptr<PGresult, void (*)(PGresult*)> res(PQexec(m_conn, sql.c_str()), PQclear);
    if (PQresultStatus(res.get()) != PGRES_TUPLES_OK)
        throw std::runtime_error(std::string("PostgreSQL: ") + PQerrorMessage(m_conn));
    ResultMap result;
    const int columns = PQnfields(res.get());
    for (int r = 0; r < PQntuples(res.get()); ++r) {
        if (PQgetisnull(res.get(), r, columns - 1))
            continue;
        PGresult* rows = res.get();
        addRow(
            result, columns,
            [rows, r](int c) { return PQgetisnull(rows, r, c) ? kTotalKey : std::string(PQgetvalue(rows, r, c)); },
            std::stod(PQgetvalue(rows, r, columns - 1)));
    }
    return result;
}

}
