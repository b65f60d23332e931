#pragma once

#include "olap/CubeDefinition.h"

#include <chrono>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace olap {

// A read-only SQLite database; every failure is raised as platform::VbError (0x80004005)
// with a message that names the file. A statement that gives no row for longer than the
// answer limit (olap::answerLimits) is stopped and raised as well, so that a cube built to
// loop (a recursive view, say) is refused instead of freezing the program.
class SqliteDatabase
{
public:
    // Opens an existing file without ever creating or writing it.
    explicit SqliteDatabase(const QString& path);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // A prepared statement, stepped row by row.
    class Statement
    {
    public:
        Statement(SqliteDatabase& db, const QString& sql, const QStringList& params = {});
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;

        bool next();   // false after the last row
        sqlite3_stmt* handle() const { return m_stmt; }
        QVariant value(int column) const;
        QString text(int column) const;   // NULL gives ""

    private:
        SqliteDatabase& m_db;
        sqlite3_stmt* m_stmt = nullptr;
    };

    QVector<SqlRow> rows(const QString& sql, const QStringList& params = {});
    qint64 pragma(const char* name);
    // "table", "view", ... as the schema lists the name; empty when it does not.
    QString objectType(const QString& name);
    [[noreturn]] void fail(const QString& what) const;
    const QString& path() const { return m_path; }

private:
    static int onProgress(void* self);
    void startWaiting();

    QString m_path;
    sqlite3* m_db = nullptr;
    // Read once when the file is opened: every row of a read restarts the clock.
    std::chrono::milliseconds m_answerLimit;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_timedOut = false;
};

// One connection to a file for each worker of the pool (olap/WorkerPool.h), opened by its
// first task: reading a thousand tables costs as many connections as there are workers.
class WorkerConnections
{
public:
    explicit WorkerConnections(const QString& path);
    SqliteDatabase& of(size_t worker);

private:
    QString m_path;
    std::vector<std::unique_ptr<SqliteDatabase>> m_connections;
};

}
