#include "../olap/LargeCube.h"
#include "../olap/SampleCubes.h"

#include "pivot/PivotTable.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pivot;

namespace {

FieldRef hierarchy(const char* name, int level = 0)
{
    return FieldRef{FieldRef::Kind::Hierarchy, QString::fromUtf8(name), level};
}

FieldRef measure(const char* name)
{
    return FieldRef{FieldRef::Kind::Measure, QString::fromUtf8(name), 0};
}

// A cube whose read takes a while: 600,000 facts.
const QString& bigCube()
{
    static const QString path = testcubes::buildCubeFromSql(QStringLiteral("Big"), largecube::sql(600000));
    return path;
}

// Counts the event loop's turns: a timer that fires only while the window's thread is free.
class Heartbeat
{
public:
    explicit Heartbeat(const PivotTable& table)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this, &table] {
            if (!table.queryPending())
                return;
            ++beatsWhilePending;
            sawProgress = sawProgress || table.progressLabel()->isVisible();
        });
        m_timer.start();
    }
    int beatsWhilePending = 0;
    bool sawProgress = false;

private:
    QTimer m_timer;
};

// Runs the event loop, without asking the table for anything, until no query is pending.
bool waitWithoutAsking(const PivotTable& table, int ms = 120000)
{
    const QDeadlineTimer deadline(ms);
    while (table.queryPending() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return !table.queryPending();
}

}

TEST(BackgroundQuery, WindowHandlesEventsWhileTheCubeIsReadAndQueried)
{
    PivotTable table(Version::V11);
    table.setQueriesInBackground(true);
    table.resize(900, 600);
    table.show();
    table.setConnectionString(QStringLiteral("Provider=MSOLAP;data source=") + bigCube());
    Heartbeat heartbeat(table);
    QSignalSpy results(&table, &PivotTable::dataChanged);
    table.setDataMember(QStringLiteral("Large"));   // reads the file on a thread of its own
    EXPECT_EQ(table.cursor().shape(), Qt::BusyCursor);
    table.placeField(hierarchy("Item", 1), Area::Row);
    table.placeField(hierarchy("Kind"), Area::Column);
    table.placeField(measure("Orders"), Area::Data);
    ASSERT_TRUE(waitWithoutAsking(table));

    EXPECT_GE(heartbeat.beatsWhilePending, 3) << "the window's thread waited for the cube";
    EXPECT_TRUE(heartbeat.sawProgress) << "a read of 600,000 facts shows how far it has come";
    // Each placement replaced the query before it: only the last result was shown.
    EXPECT_EQ(results.count(), 1);
    EXPECT_NE(table.cursor().shape(), Qt::BusyCursor);
    EXPECT_FALSE(table.progressLabel()->isVisible());
    const olap::CellSet& cells = table.cellSet();
    ASSERT_EQ(cells.measures, QStringList{QStringLiteral("Orders")});
    EXPECT_EQ(cells.rows.size(), 1000 + 13 + 1);   // items, their groups, the total
    EXPECT_EQ(cells.columns.size(), 6);            // five kinds and the total

    // A replaced query never lands, however much later it ends.
    table.setAxisTotals(Area::Row, true, true);
    table.removeField(hierarchy("Item", 1));
    ASSERT_TRUE(waitWithoutAsking(table));
    const QDeadlineTimer settle(500);
    while (!settle.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(results.count(), 2);
    EXPECT_EQ(table.cellSet().rows.size(), 1);
}

// Callers that read the result right after a change see it, as without a background.
TEST(BackgroundQuery, ReadingTheResultWaitsForTheQueryInHand)
{
    PivotTable table(Version::V9);
    table.setQueriesInBackground(true);
    QSignalSpy complete(&table, &PivotTable::QueryComplete);
    table.setConnectionString(QStringLiteral("Provider=MSOLAP;data source=") + largecube::cubeFile());
    table.setDataMember(QStringLiteral("Large"));
    table.placeField(hierarchy("Kind"), Area::Row);
    table.placeField(measure("Lines"), Area::Data);
    const olap::CellSet& cells = table.cellSet();
    ASSERT_EQ(cells.rows.size(), 6);
    EXPECT_EQ(cells.value(5, 0, 0), 60000.0 - 100);   // facts of the city without a row take no part
    EXPECT_FALSE(table.queryPending());
    EXPECT_EQ(complete.count(), 2);   // the query without a cube, then the one shown
    EXPECT_EQ(table.rowCaption(0), QStringLiteral("k1"));
}
