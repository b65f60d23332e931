#include "../olap/LargeCube.h"
#include "GatedCube.h"

#include "pivot/DetailsView.h"
#include "pivot/MemberChecklist.h"
#include "pivot/PivotController.h"
#include "pivot/PivotGridModel.h"
#include "pivot/PivotTable.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pivot;
using pivot::test::Gate;
using pivot::test::GatedOpener;

namespace {

FieldRef hierarchy(const char* name, int level = 0)
{
    return FieldRef{FieldRef::Kind::Hierarchy, QString::fromUtf8(name), level};
}

FieldRef measure(const char* name)
{
    return FieldRef{FieldRef::Kind::Measure, QString::fromUtf8(name), 0};
}

QString largeCube()
{
    return QStringLiteral("Provider=MSOLAP;data source=") + largecube::cubeFile();
}

// Runs the event loop, without asking the table for anything, until no query is pending.
bool waitWithoutAsking(const PivotTable& table, int ms = 60000)
{
    const QDeadlineTimer deadline(ms);
    while (table.queryPending() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return !table.queryPending();
}

// Every query started so far has ended and told its watcher.
void drainQueries()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
}

}

TEST(BackgroundQuery, WindowHandlesEventsWhileTheCubeIsReadAndQueried)
{
    const auto gate = std::make_shared<Gate>();
    const GatedOpener held(gate);
    PivotTable table(Version::V11);
    table.setQueriesInBackground(true);
    table.resize(900, 600);
    table.show();
    table.setConnectionString(largeCube());
    QSignalSpy results(&table, &PivotTable::dataChanged);
    QElapsedTimer sinceBinding;
    sinceBinding.start();
    table.setDataMember(QStringLiteral("Large"));
    EXPECT_EQ(table.cursor().shape(), Qt::BusyCursor);
    table.placeField(hierarchy("Item", 1), Area::Row);
    table.placeField(hierarchy("Kind"), Area::Column);
    table.placeField(measure("Orders"), Area::Data);
    EXPECT_FALSE(table.progressLabel()->isVisible());

    // The cube's read ends only once the window's thread has turned and shown how far it came.
    int beats = 0;
    qint64 progressAt = -1;
    QTimer heartbeat;
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        if (!table.queryPending())
            return;
        ++beats;
        if (progressAt < 0 && table.progressLabel()->isVisible()) {
            progressAt = sinceBinding.elapsed();
            EXPECT_TRUE(table.progressLabel()->text().startsWith(QStringLiteral("Reading the cube: 1")))
                << table.progressLabel()->text().toStdString();
        }
        if (beats >= 5 && progressAt >= 0)
            gate->open();
    });
    heartbeat.start();
    ASSERT_TRUE(waitWithoutAsking(table));

    EXPECT_TRUE(gate->isOpen()) << "the window's thread waited for the cube";
    EXPECT_GE(progressAt, 500) << "the progress shows after half a second, not before";
    // Each placement replaced the query before it: only the last result was shown.
    EXPECT_EQ(results.count(), 1);
    EXPECT_NE(table.cursor().shape(), Qt::BusyCursor);
    EXPECT_FALSE(table.progressLabel()->isVisible());
    const olap::CellSet& cells = table.cellSet();
    ASSERT_EQ(cells.measures, QStringList{QStringLiteral("Orders")});
    EXPECT_EQ(cells.rows.size(), 1000 + 13 + 1);   // items, their groups, the total
    EXPECT_EQ(cells.columns.size(), 6);            // five kinds and the total
    EXPECT_EQ(table.gridModel()->rowCount(), cells.rows.size());

    // A replaced query never lands, whenever it ends.
    table.setAxisTotals(Area::Row, true, false);
    table.removeField(hierarchy("Item", 1));
    ASSERT_TRUE(waitWithoutAsking(table));
    drainQueries();
    EXPECT_EQ(results.count(), 2);
    EXPECT_EQ(table.cellSet().rows.size(), 1);
}

// Until a query lands everything shows the result before it; what needs the new one runs
// when it lands, in the order asked, and only while whoever asked is still there.
TEST(BackgroundQuery, StepsThatNeedTheResultRunWhenItLands)
{
    const auto gate = std::make_shared<Gate>();
    const GatedOpener held(gate);
    PivotTable table(Version::V9);
    table.setQueriesInBackground(true);
    QSignalSpy complete(&table, &PivotTable::QueryComplete);
    table.setConnectionString(largeCube());
    table.setDataMember(QStringLiteral("Large"));
    table.placeField(hierarchy("Kind"), Area::Row);
    table.placeField(measure("Lines"), Area::Data);
    ASSERT_TRUE(table.queryPending());
    EXPECT_EQ(table.cellSet().rows.size(), 0);   // the result without a cube, at once
    EXPECT_EQ(table.rowCaption(0), QString());

    QStringList steps;
    table.controller().afterResult(&table, [&] {
        const olap::CellSet& cells = table.cellSet();
        ASSERT_EQ(cells.rows.size(), 6);
        EXPECT_EQ(cells.value(5, 0, 0), 60000.0 - 100);   // facts of the city without a row take no part
        EXPECT_EQ(table.rowCaption(0), QStringLiteral("k1"));
        steps << QStringLiteral("first");
    });
    auto* gone = new QObject;
    table.controller().afterResult(gone, [&] { steps << QStringLiteral("gone"); });
    delete gone;
    table.controller().afterResult(&table, [&] { steps << QStringLiteral("second"); });
    EXPECT_TRUE(steps.isEmpty());

    gate->open();
    ASSERT_TRUE(waitWithoutAsking(table));
    EXPECT_EQ(steps, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    EXPECT_EQ(complete.count(), 2);   // the query without a cube, then the one shown

    // With nothing pending a step runs at once.
    table.controller().afterResult(&table, [&] { steps << QStringLiteral("now"); });
    EXPECT_EQ(steps.last(), QStringLiteral("now"));
}

// A field's member checklist and the facts behind a cell are asked of the cube as queries
// are: the window goes on while the cube answers, and they show once it has.
TEST(BackgroundQuery, MemberListsAndDetailsComeWhenTheCubeAnswers)
{
    const auto gate = std::make_shared<Gate>();
    gate->open();
    const GatedOpener held(gate);
    PivotTable table(Version::V11);
    table.setQueriesInBackground(true);
    table.setAllowDetails(true);
    table.setConnectionString(largeCube());
    table.setDataMember(QStringLiteral("Large"));
    table.placeField(hierarchy("Kind"), Area::Row);
    table.placeField(measure("Lines"), Area::Data);
    ASSERT_TRUE(waitWithoutAsking(table));

    gate->close();
    table.openFilter(QStringLiteral("Kind"));
    table.showDetails(0, 0);
    EXPECT_EQ(table.findChild<MemberChecklist*>(), nullptr) << "the window's thread waited for the members";
    EXPECT_EQ(table.findChild<DetailsView*>(), nullptr) << "the window's thread waited for the details";
    QApplication::processEvents();
    EXPECT_EQ(table.findChild<MemberChecklist*>(), nullptr);

    gate->open();
    const QDeadlineTimer deadline(60000);
    while ((!table.findChild<MemberChecklist*>() || !table.findChild<DetailsView*>()) && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    auto* checklist = table.findChild<MemberChecklist*>();
    ASSERT_NE(checklist, nullptr);
    EXPECT_EQ(checklist->list()->count(), 5);
    auto* details = table.findChild<DetailsView*>();
    ASSERT_NE(details, nullptr);
    EXPECT_GT(details->table()->rowCount(), 0);
    details->close();
    checklist->reject();
}
