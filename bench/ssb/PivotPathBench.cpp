// The program's path around the engine on the benchmark cube: a report window's pivot table
// bound at start-up until its first painted result, and the widget's whole path (query,
// header layout, model, grid) for the published Q2.1 and for City x City x Year.
// See bench/README.md; bench/ssb/run.sh runs it after ssb_bench.

#include "DataSetWriter.h"
#include "EnginePeer.h"
#include "SqlPeers.h"
#include "SsbQueries.h"
#include "SsbSchema.h"

#include "olap/Connection.h"
#include "olap/CubeProvider.h"
#include "pivot/PivotGridView.h"
#include "pivot/PivotTable.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

// Sees the grid's first paint after a result has landed.
class FirstPaint : public QObject
{
public:
    bool resultShown = false;
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && resultShown)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// The pivot of a report window, bound to the local cube as the program does at start-up:
// a test connection for the cube's name, then connection string and data member.
// Returns the process's peak memory then.
double startUp(const QString& cubeFile, Clock::time_point processStart)
{
    const Clock::time_point bindStart = Clock::now();
    pivot::PivotTable table(pivot::Version::V11);
    table.setQueriesInBackground(true);
    table.resize(1200, 800);
    table.show();
    FirstPaint watch;
    auto* grid = table.findChild<pivot::PivotGridView*>();
    grid->viewport()->installEventFilter(&watch);

    // The longest the window's thread went without handling its events.
    QElapsedTimer sinceBeat;
    double longestGap = 0;
    QTimer beat;
    beat.setInterval(10);
    QObject::connect(&beat, &QTimer::timeout, [&] { longestGap = std::max(longestGap, double(sinceBeat.restart())); });
    sinceBeat.start();
    beat.start();

    olap::Connection test;
    test.Open(QStringLiteral("provider=msolap;data source=") + cubeFile);
    const QString cube = test.DefaultDatabase();
    test.Close();
    table.setConnectionString(QStringLiteral("Provider=MSOLAP;data source=") + cubeFile);
    QObject::connect(&table, &pivot::PivotTable::dataChanged, [&] { watch.resultShown = true; });
    table.setDataMember(cube);
    const double bindMs = msSince(bindStart);
    const QDeadlineTimer deadline(120000);
    while (!watch.painted && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double paintedMs = msSince(bindStart);
    std::cout << "Start-up: the pivot bound in " << bindMs << " ms (the window's thread busy that long); first result"
              << " painted " << paintedMs << " ms after the binding began, " << msSince(processStart)
              << " ms after the process started; longest pause of the event loop after the binding " << longestGap
              << " ms\n";
    return ssb::processMemory("VmHWM");
}

// The widget's whole path, synchronously: query, header layout, model, grid fit.
void widgetPath(const QString& cubeFile, const ssb::SsbQuery& q, int runs)
{
    pivot::PivotTable table(pivot::Version::V11);
    table.resize(1200, 800);
    table.show();
    table.setCubeSource(olap::openCube(QStringLiteral("Provider=MSOLAP;data source=") + cubeFile, QString()),
                        QString::fromLatin1(ssb::kCubeName));
    using pivot::Area;
    using pivot::FieldRef;
    for (const olap::AxisField& f : q.pivot.rows.fields)
        table.placeField(FieldRef{FieldRef::Kind::Hierarchy, f.hierarchy, f.level}, Area::Row);
    for (const olap::AxisField& f : q.pivot.columns.fields)
        table.placeField(FieldRef{FieldRef::Kind::Hierarchy, f.hierarchy, f.level}, Area::Column);
    for (const olap::Filter& f : q.pivot.filters)
        table.setMemberFilter(f.hierarchy, f.include);
    for (const QString& m : q.pivot.measures)
        table.placeField(FieldRef{FieldRef::Kind::Measure, m, 0}, Area::Data);
    table.setAxisTotals(Area::Row, q.pivot.rows.subtotals, q.pivot.rows.grandTotal);
    table.setAxisTotals(Area::Column, q.pivot.columns.subtotals, q.pivot.columns.grandTotal);
    auto engine = olap::openCube(QStringLiteral("Provider=MSOLAP;data source=") + cubeFile, QString());
    std::vector<double> widget;
    std::vector<double> query;
    for (int r = 0; r < runs; ++r) {
        Clock::time_point start = Clock::now();
        table.sortByLabel(Area::Row, olap::SortOrder::None);   // queries again, as any change does
        widget.push_back(msSince(start));
        start = Clock::now();
        engine->query(table.layout().toQuery());
        query.push_back(msSince(start));
    }
    std::cout << "| " << q.name << " | " << table.cellSet().rows.size() << " x " << table.cellSet().columns.size()
              << " | " << median(query) << " | " << median(widget) << " |\n";
}

}

int main(int argc, char** argv)
{
    const Clock::time_point processStart = Clock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    std::string folder = "ssb-data-sf1";
    int runs = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--data")
            folder = argv[i + 1];
        else if (std::string(argv[i]) == "--runs")
            runs = std::stoi(argv[i + 1]);
    }
    const QString cubeFile = QString::fromStdString(ssb::DataSet(folder).cubeFile());
    try {
        // First, before anything else has read the cube.
        const double peak = startUp(cubeFile, processStart);
        const double facts =
            ssb::SqlitePeer(cubeFile.toStdString()).run("SELECT count(*) FROM lineorder").begin()->second;
        const double raw = facts * 10 * 4;   // the 10 fact columns the cube reads, 4 bytes each
        std::cout << "Peak memory after start-up (VmHWM): " << peak / 1e6 << " MB = " << peak / raw
                  << " x the raw column data (" << raw / 1e6 << " MB)\n\n"
                  << "| query | cells (rows x columns) | engine query ms | widget path ms |\n|---|---|---:|---:|\n";
        for (const ssb::SsbQuery& q : ssb::ssbQueries()) {
            if (q.name == "Q2.1" || q.name.rfind("A cities", 0) == 0)
                widgetPath(cubeFile, q, runs);
        }
    } catch (const std::exception& e) {
        std::cerr << "ssb_pivot_bench: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
