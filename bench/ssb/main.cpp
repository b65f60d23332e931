// The star schema benchmark: our engine against DuckDB, SQLite and PostgreSQL on the
// same data in the same run. See bench/README.md.

#include "DataSetWriter.h"
#include "DuckDbPeer.h"
#include "EnginePeer.h"
#include "SqlPeers.h"
#include "SsbGenerator.h"
#include "SsbQueries.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <thread>

namespace {

struct Options
{
    double scaleFactor = 1;
    int runs = 5;
    std::string dataFolder;
    std::string postgres;     // libpq connection info; empty: no PostgreSQL
    std::string serverCube;   // connection string of the PostgreSQL catalog for our engine
    bool sqlite = true;
    bool duckDb = true;
    bool generateOnly = false;
    std::string query;   // empty: all 13
    ssb::Turns turns = ssb::Turns::Blocks;
};

void usage()
{
    std::cerr << "usage: ssb_bench [--sf N] [--runs N] [--data FOLDER] [--postgres CONNINFO]\n"
                 "                 [--server-cube \"Provider=MSOLAP;Data Source=HOST;Initial Catalog=DB\"]\n"
                 "                 [--no-sqlite] [--no-duckdb] [--generate-only] [--query Q1.1]\n"
                 "                 [--round-robin]\n";
    std::exit(2);
}

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage();
            return argv[++i];
        };
        if (arg == "--sf")
            o.scaleFactor = std::stod(value());
        else if (arg == "--runs")
            o.runs = std::stoi(value());
        else if (arg == "--data")
            o.dataFolder = value();
        else if (arg == "--postgres")
            o.postgres = value();
        else if (arg == "--server-cube")
            o.serverCube = value();
        else if (arg == "--no-sqlite")
            o.sqlite = false;
        else if (arg == "--no-duckdb")
            o.duckDb = false;
        else if (arg == "--round-robin")
            o.turns = ssb::Turns::RoundRobin;
        else if (arg == "--query")
            o.query = value();
        else if (arg == "--generate-only")
            o.generateOnly = true;
        else
            usage();
    }
    if (o.scaleFactor <= 0 || o.runs < 1)
        usage();
    if (o.dataFolder.empty()) {
        char name[64];
        std::snprintf(name, sizeof name, "ssb-data-sf%g", o.scaleFactor);
        o.dataFolder = name;
    }
    return o;
}

std::string readFile(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read ") + path);
    return file.readAll().toStdString();
}

template<typename F>
double secondsOf(const F& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string cpuModel()
{
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : info.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return line.mid(line.indexOf(':') + 1).trimmed().toStdString();
        }
    }
    return "unknown CPU";
}

std::string format(const char* pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string megabytes(double bytes)
{
    return format("%.0f MB", bytes / 1e6);
}

// Each query's measurements, the engine's first, then each peer's.
struct Results
{
    std::vector<std::string> peers;
    std::vector<std::vector<ssb::Measured>> byQuery;
};

std::string milliseconds(const ssb::Measured& m)
{
    return m.skipped ? "—" : format("%.1f", m.median() * 1e3);
}

// Returns false when a peer answered a query differently from the engine, or any database
// answered one run differently from its first.
bool printTable(const std::vector<ssb::SsbQuery>& queries, const Results& results)
{
    const auto& peers = results.peers;
    const auto peerIndex = [&](const char* name) {
        const auto it = std::find(peers.begin(), peers.end(), name);
        return it == peers.end() ? size_t(0) : size_t(it - peers.begin()) + 1;
    };
    const size_t postgres = peerIndex("PostgreSQL");
    const size_t serverEngine = peerIndex("engine on PostgreSQL");
    std::cout << "\n| query | engine ms";
    for (const std::string& p : peers)
        std::cout << " | " << p << " ms";
    for (const std::string& p : peers)
        std::cout << " | " << p << " ÷ engine";
    if (postgres && serverEngine)
        std::cout << " | engine on PostgreSQL ÷ PostgreSQL";
    std::cout << " | same answer |\n|---|---:";
    for (size_t i = 0; i < 2 * peers.size() + (postgres && serverEngine ? 1 : 0); ++i)
        std::cout << "|---:";
    std::cout << "|---|\n";
    bool allSame = true;
    for (size_t q = 0; q < queries.size(); ++q) {
        const auto& m = results.byQuery[q];
        const double ours = m[0].median();
        std::cout << "| " << queries[q].name << " | " << milliseconds(m[0]);
        for (size_t p = 1; p < m.size(); ++p)
            std::cout << " | " << milliseconds(m[p]);
        for (size_t p = 1; p < m.size(); ++p)
            std::cout << " | " << (m[p].skipped ? "—" : format("%.2f", m[p].median() / ours));
        if (postgres && serverEngine)
            std::cout << " | "
                      << (m[postgres].skipped ? "—" : format("%.2f", m[serverEngine].median() / m[postgres].median()));
        std::string check = peers.empty() ? "not checked" : "yes";
        for (size_t p = 0; p < m.size(); ++p) {
            const std::string who = p == 0 ? std::string("engine") : peers[p - 1];
            const auto diff = p == 0 || m[p].skipped ? std::nullopt : ssb::difference(m[p].result, m[0].result);
            if (diff || !m[p].changedAnswer.empty()) {
                check = "NO (" + who + ": " + (diff ? *diff : m[p].changedAnswer) + ")";
                allSame = false;
                break;
            }
        }
        std::cout << " | " << check << " (" << m[0].result.size() << " cells) |\n";
    }
    return allSame;
}

// The 1-minute load average: other work on the machine skews every column alike.
std::string loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').front().toStdString() : "unknown";
}

int run(const Options& o)
{
    const std::string loadAtStart = loadAverage();
    const ssb::DataSet data(o.dataFolder);
    const std::string header = readFile(SSB_CUBE_HEADER);
    if (!data.complete(o.scaleFactor)) {
        std::cout << "Generating scale factor " << o.scaleFactor << " into " << data.folder << " ..." << std::flush;
        std::cout << format(" %.1f s\n", secondsOf([&] { ssb::writeDataSet(data, o.scaleFactor, header); }));
    }
    if (o.generateOnly)
        return 0;
    std::vector<ssb::SsbQuery> queries = ssb::ssbQueries();
    if (!o.query.empty())
        std::erase_if(queries, [&](const ssb::SsbQuery& q) { return q.name != o.query; });
    if (queries.empty())
        usage();

    std::cout << "Opening the cube ..." << std::flush;
    ssb::EnginePeer engine(QStringLiteral("Provider=MSOLAP;Data Source=") + QString::fromStdString(data.cubeFile()));
    std::cout << format(" %.2f s\n", engine.openSeconds());
    // The engine's peak memory: the open's, then each query's own (the peak starts afresh before
    // each), all before the other databases' clients add theirs.
    const double openPeak = ssb::processMemory("VmHWM");
    double publishedPeak = openPeak;
    double peakMemory = openPeak;
    std::string peaksByQuery;
    for (const ssb::SsbQuery& q : queries) {
        ssb::resetPeakMemory();
        engine.answer(q.pivot);
        const double peak = ssb::processMemory("VmHWM");
        peakMemory = std::max(peakMemory, peak);
        if (q.published)
            publishedPeak = std::max(publishedPeak, peak);
        peaksByQuery += (peaksByQuery.empty() ? "" : ", ") + q.name + " " + format("%.0f", peak / 1e6);
    }

    Results results;
    std::vector<std::function<ssb::TimedRun(const ssb::SsbQuery&)>> contenders;
    contenders.push_back(
        [&](const ssb::SsbQuery& q) { return [&](double& seconds) { return engine.run(q.pivot, seconds); }; });
    std::unique_ptr<ssb::DuckDbPeer> duck;
    if (o.duckDb) {
        std::cout << "Loading DuckDB ..." << std::flush;
        duck = std::make_unique<ssb::DuckDbPeer>(SSB_DUCKDB_SCRIPT, data);
        results.peers.push_back("DuckDB");
        contenders.push_back(
            [&](const ssb::SsbQuery& q) { return [&](double& seconds) { return duck->run(q.sql, seconds); }; });
        std::cout << format(" %.1f s\n", duck->loadSeconds());
    }
    std::unique_ptr<ssb::SqlitePeer> sqlite;
    if (o.sqlite) {
        sqlite = std::make_unique<ssb::SqlitePeer>(data.cubeFile());
        results.peers.push_back("SQLite");
        contenders.push_back([&](const ssb::SsbQuery& q) {
            if (!q.published)
                return ssb::TimedRun();   // no ROLLUP or CUBE in SQLite
            return ssb::TimedRun(
                [&](double& seconds) { return ssb::timed([&] { return sqlite->run(q.sql); }, seconds); });
        });
    }
    std::unique_ptr<ssb::PostgresPeer> postgres;
    std::unique_ptr<ssb::EnginePeer> serverEngine;
    double postgresLoad = 0;
    if (!o.postgres.empty()) {
        std::cout << "Loading PostgreSQL ..." << std::flush;
        postgres = std::make_unique<ssb::PostgresPeer>(o.postgres);
        postgresLoad = secondsOf([&] { postgres->load(data, header); });
        results.peers.push_back("PostgreSQL");
        // The server takes minutes for the larger results (a distinct count under ROLLUP sorts
        // them whole); it runs the published queries, through its own SQL and through the engine.
        contenders.push_back([&](const ssb::SsbQuery& q) {
            if (!q.published)
                return ssb::TimedRun();
            return ssb::TimedRun(
                [&](double& seconds) { return ssb::timed([&] { return postgres->run(q.sql); }, seconds); });
        });
        std::cout << format(" %.1f s\n", postgresLoad);
        if (!o.serverCube.empty()) {
            serverEngine = std::make_unique<ssb::EnginePeer>(QString::fromStdString(o.serverCube));
            results.peers.push_back("engine on PostgreSQL");
            contenders.push_back([&](const ssb::SsbQuery& q) {
                if (!q.published)
                    return ssb::TimedRun();
                return ssb::TimedRun([&](double& seconds) { return serverEngine->run(q.pivot, seconds); });
            });
        }
    }

    for (const ssb::SsbQuery& q : queries) {
        std::cout << q.name << ' ' << std::flush;
        std::vector<ssb::TimedRun> runs;
        for (const auto& contender : contenders)
            runs.push_back(contender(q));
        results.byQuery.push_back(ssb::measureInTurns(runs, o.runs, o.turns));
    }
    std::cout << '\n';

    const ssb::TableSizes sizes(o.scaleFactor);
    ssb::SqlitePeer counter(data.cubeFile());
    const double facts = counter.run("SELECT count(*) FROM lineorder").begin()->second;
    // The columns the cube reads from the fact table, each a 4-byte integer.
    const double rawColumns = facts * 10 * 4;

    std::cout << "\nStar schema benchmark, scale factor " << o.scaleFactor << ": " << format("%.0f", facts)
              << " line orders, " << sizes.customers << " customers, " << sizes.suppliers << " suppliers, "
              << sizes.parts << " parts\n"
              << "Machine: " << cpuModel() << ", " << std::thread::hardware_concurrency()
              << " threads; load average at start " << loadAtStart << ", at end " << loadAverage() << '\n'
              << "Median of " << o.runs << " runs after one warm-up run, the databases taking turns query by query"
              << (o.turns == ssb::Turns::RoundRobin ? " and run by run; " : "; ")
              << "\"÷ engine\" is the peer's median over ours (above 1: the engine is faster)\n";
    const bool allSame = printTable(queries, results);
    std::cout << "\nCube file: " << megabytes(double(std::filesystem::file_size(data.cubeFile())))
              << "; open (read into memory): " << format("%.2f s", engine.openSeconds()) << '\n'
              << "Engine memory: resident " << megabytes(engine.residentBeforeOpen()) << " before open, "
              << megabytes(engine.residentAfterOpen()) << " after; peak (VmHWM) of the open " << megabytes(openPeak)
              << "\nRaw column data (10 fact columns x 4 bytes): " << megabytes(rawColumns)
              << "\nEngine peak / raw: the open and the published queries "
              << format("%.2f", publishedPeak / rawColumns) << ", every query "
              << format("%.2f", peakMemory / rawColumns) << " (" << megabytes(peakMemory)
              << ")\nEngine peak by query (MB): " << peaksByQuery << '\n';
    if (duck)
        std::cout << "DuckDB " << duck->version() << ": load " << format("%.1f s", duck->loadSeconds())
                  << ", peak memory " << megabytes(duck->peakMemoryBytes()) << '\n';
    if (postgres)
        std::cout << "PostgreSQL: load " << format("%.1f s", postgresLoad) << '\n';
    if (serverEngine)   // members, the key checks and the facts without a dimension row
        std::cout << "Engine on PostgreSQL: cube opened in " << format("%.2f s", serverEngine->openSeconds()) << '\n';
    if (!allSame)
        std::cerr << "ssb_bench: the engine's answers differ from a peer's\n";
    return allSame ? 0 : 1;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        return run(parse(argc, argv));
    } catch (const std::exception& e) {
        std::cerr << "\nssb_bench: " << e.what() << '\n';
        return 1;
    }
}
