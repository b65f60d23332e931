#include "../../olap/LargeCube.h"
#include "../../pivot/GatedCube.h"
#include "app/reportwindow/ReportWindowTestSupport.h"

#include "chart/ChartSpace.h"
#include "pivot/PivotTable.h"

#include <QChart>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using pivot::Area;
using pivot::FieldRef;

namespace {

// The newest window, shown, whose pivot reads a large cube held at the gate.
class WindowWhileQuerying : public ::testing::Test
{
protected:
    WindowWhileQuerying() : window(r.load("frmStats2003")), table(*window->pivReports()) { window->show(); }

    void placeKindByPlace()
    {
        table.setConnectionString(QStringLiteral("Provider=MSOLAP;data source=") + largecube::cubeFile());
        table.setDataMember(QStringLiteral("Large"));
        table.placeField(FieldRef{FieldRef::Kind::Hierarchy, QStringLiteral("Kind"), 0}, Area::Row);
        table.placeField(FieldRef{FieldRef::Kind::Hierarchy, QStringLiteral("Place"), 0}, Area::Column);
        table.placeField(FieldRef{FieldRef::Kind::Measure, QStringLiteral("Lines"), 0}, Area::Data);
    }

    ReportWindowRun r;
    const std::shared_ptr<pivot::test::Gate> gate = std::make_shared<pivot::test::Gate>();
    const pivot::test::GatedOpener held{gate};
    reportwindow::ReportWindow* window;
    pivot::PivotTable& table;
};

}

// The window as the program starts it: the pivot is bound to a large cube first, then the
// window's timer binds the chart, shown beside it, to the pivot. The chart must take the
// result when it lands, never wait for it on the window's thread.
TEST_F(WindowWhileQuerying, TheWindowTurnsWhileTheChartsPivotReadsAndQueriesALargeCube)
{
    placeKindByPlace();
    ASSERT_TRUE(table.queryPending());

    // Turns of the event loop once the chart is bound, while the query is in hand; the
    // cube answers only after a few.
    int turns = 0;
    QTimer heartbeat;
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        if (!table.queryPending() || !window->excChart()->DataSource())
            return;
        if (++turns >= 5)
            gate->open();
    });
    heartbeat.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table.queryPending(); }, 60000));
    EXPECT_TRUE(gate->isOpen()) << "the window's thread waited for the query";
    EXPECT_GE(turns, 5);

    // The chart follows the result once it has landed: a series a region.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QList<QChart*> charts = window->excChart()->shownCharts();
            return !charts.isEmpty() && !charts.first()->series().isEmpty();
        },
        5000));
    EXPECT_EQ(table.cellSet().rows.size(), 6);
}

// The picture and the print-out are of the pivot's result: asked for while a query is in
// hand, they run when it lands, in the order asked.
TEST_F(WindowWhileQuerying, PictureAndPrintOutWaitForTheResultInHand)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return r.calls.contains(QStringLiteral("default")); }, 5000));
    placeKindByPlace();
    int rowsSeen = -1;
    reportwindow::seams().printOut = [&] {
        r.calls << QStringLiteral("print");
        rowsSeen = int(table.cellSet().rows.size());
    };
    window->mnuSavePicture()->trigger();
    window->mnuPrint()->trigger();
    QTest::qWait(20);
    EXPECT_FALSE(r.calls.contains(QStringLiteral("picture")));

    gate->open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table.queryPending(); }, 60000));
    EXPECT_EQ(r.calls.mid(r.calls.indexOf(QStringLiteral("default")) + 1),
              (QStringList{QStringLiteral("picture"), QStringLiteral("print")}));
    EXPECT_EQ(rowsSeen, 6);

    // With the result in, they run at once.
    window->mnuPrint()->trigger();
    EXPECT_EQ(r.calls.last(), QStringLiteral("print"));
}
