// Star Schema Benchmark: the 13 queries as pivot queries on the cube file (in memory) and
// on the cube server, and as SQL on SQLite over the same file, on PostgreSQL and (from a
// results file written by duckdb/run.mjs) on DuckDB. Prints median times, ratios, the
// cube's open time and peak memory as a Markdown table, and checks that the engine's groups
// and sums equal SQLite's.
//
//   ssb_bench <ssb.cub> <queries.sql> [<postgres catalog>] [<duckdb results.json>] [runs]
// The PostgreSQL server is libpq's default (PGHOST, PGPORT, PGUSER...).

#include "SsbQueries.h"

#include "olap/CubeProvider.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace {

struct Groups
{
    long count = 0;
    double sum = 0;
};

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Groups groupsOf(const olap::CellSet& cells)
{
    Groups g;
    for (const auto& v : cells.values) {
        if (v) {
            ++g.count;
            g.sum += *v;
        }
    }
    return g;
}

Groups sqliteGroups(sqlite3* db, const QString& sql)
{
    Groups g;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "SQLite: %s\n", sqlite3_errmsg(db));
        return g;
    }
    const int last = sqlite3_column_count(st) - 1;
    while (sqlite3_step(st) == SQLITE_ROW) {
        if (sqlite3_column_type(st, last) == SQLITE_NULL)
            continue;
        ++g.count;
        g.sum += sqlite3_column_double(st, last);
    }
    sqlite3_finalize(st);
    return g;
}

Groups postgresGroups(PGconn* conn, const QString& sql)
{
    Groups g;
    PGresult* r = PQexec(conn, sql.toUtf8().constData());
    if (PQresultStatus(r) != PGRES_TUPLES_OK)
        std::fprintf(stderr, "PostgreSQL: %s\n", PQerrorMessage(conn));
    const int last = PQnfields(r) - 1;
    for (int i = 0; i < PQntuples(r); ++i) {
        if (PQgetisnull(r, i, last))
            continue;
        ++g.count;
        g.sum += QByteArray(PQgetvalue(r, i, last)).toDouble();
    }
    PQclear(r);
    return g;
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

bool same(const Groups& a, const Groups& b)
{
    return a.count == b.count && std::abs(a.sum - b.sum) <= 1e-9 * std::max(1.0, std::abs(b.sum));
}

QString ratio(double peer, double ours)
{
    return peer > 0 && ours > 0 ? QString::number(peer / ours, 'f', 1) + QLatin1Char('x') : QStringLiteral("-");
}

QString ms(double v)
{
    return v > 0 ? QString::number(v, 'f', v < 10 ? 2 : 0) : QStringLiteral("-");
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: ssb_bench <ssb.cub> <queries.sql> [pg catalog] [duckdb.json] [runs]\n");
        return 2;
    }
    const QString cubePath = args[1];
    const QString catalog = args.value(3);
    const QString duckdbResults = args.value(4);
    const int runs = std::max(1, args.value(5, QStringLiteral("5")).toInt());
    const std::vector<SsbQuery> queries = ssbQueries(args[2]);

    try {
        QElapsedTimer openTimer;
        openTimer.start();
        auto cube = olap::openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + cubePath, QString());
        const double openMs = double(openTimer.nsecsElapsed()) / 1e6;

        std::vector<double> engine;
        std::vector<Groups> engineGroups;
        for (const SsbQuery& q : queries) {
            engineGroups.push_back(groupsOf(cube->query(q.pivot)));   // also warms up
            engine.push_back(medianMs(runs, [&] { cube->query(q.pivot); }));
        }
        const long peak = peakKiB();

        std::vector<double> server(queries.size(), 0);
        std::vector<double> postgres(queries.size(), 0);
        std::vector<Groups> postgresResults(queries.size());
        if (!catalog.isEmpty()) {
            auto serverCube = olap::openCube(QStringLiteral("Provider=MSOLAP.4;Initial Catalog=") + catalog, QString());
            const QByteArray conninfo = "dbname=" + catalog.toUtf8();
            PGconn* conn = PQconnectdb(conninfo.constData());
            for (size_t i = 0; i < queries.size(); ++i) {
                serverCube->query(queries[i].pivot);
                server[i] = medianMs(runs, [&] { serverCube->query(queries[i].pivot); });
                postgresResults[i] = postgresGroups(conn, queries[i].sql);
                postgres[i] = medianMs(runs, [&] { postgresGroups(conn, queries[i].sql); });
            }
            PQfinish(conn);
        }

        std::vector<double> sqlite(queries.size(), 0);
        std::vector<Groups> sqliteResults(queries.size());
        sqlite3* db = nullptr;
        sqlite3_open_v2(cubePath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        const int sqliteRuns = std::min(runs, 3);   // each run takes seconds
        for (size_t i = 0; i < queries.size(); ++i) {
            sqliteResults[i] = sqliteGroups(db, queries[i].sql);
            sqlite[i] = medianMs(sqliteRuns, [&] { sqliteGroups(db, queries[i].sql); });
        }
        sqlite3_close(db);

        QJsonObject duck;
        if (!duckdbResults.isEmpty()) {
            QFile f(duckdbResults);
            if (f.open(QIODevice::ReadOnly))
                duck = QJsonDocument::fromJson(f.readAll()).object();
        }

        std::printf("| query | cube file (ms) | cube server (ms) | DuckDB (ms) | SQLite (ms) | PostgreSQL (ms) "
                    "| DuckDB / cube file | SQLite / cube file | PostgreSQL / cube file | groups | same as SQLite |\n");
        std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---|\n");
        bool allSame = true;
        for (size_t i = 0; i < queries.size(); ++i) {
            const double duckMs = duck.value(queries[i].name).toDouble();
            const bool ok = same(engineGroups[i], sqliteResults[i])
                            && (catalog.isEmpty() || same(postgresResults[i], sqliteResults[i]));
            allSame = allSame && ok;
            std::printf("| %s | %s | %s | %s | %s | %s | %s | %s | %s | %ld | %s |\n", qPrintable(queries[i].name),
                        qPrintable(ms(engine[i])), qPrintable(ms(server[i])), qPrintable(ms(duckMs)),
                        qPrintable(ms(sqlite[i])), qPrintable(ms(postgres[i])), qPrintable(ratio(duckMs, engine[i])),
                        qPrintable(ratio(sqlite[i], engine[i])), qPrintable(ratio(postgres[i], engine[i])),
                        engineGroups[i].count, ok ? "yes" : "NO");
        }
        std::printf("\nCube file open: %.0f ms. Peak memory after the cube-file queries: %.0f MiB.\n", openMs,
                    double(peak) / 1024.0);
        return allSame ? 0 : 1;
    } catch (const platform::VbError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
