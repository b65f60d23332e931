#include "app/connections/CubesTestFixture.h"

#include "olap/AnswerLimits.h"
#include "olap/ConnectionString.h"
#include "olap/PgConnection.h"
#include "pivot/PivotTable.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QScopeGuard>
#include <QTimer>
#include <csignal>

namespace {

const QString kAppName = QStringLiteral("tessaline-stalled-window");

using ServerWait = CubeRun;

// The newest session of the pivot table's cube on the test server.
qint64 sessionOf(olap::PgConnection& admin)
{
    const auto rows = admin.rows(QStringLiteral("SELECT pid FROM pg_stat_activity WHERE application_name = $1 "
                                                "ORDER BY backend_start DESC LIMIT 1"),
                                 {kAppName});
    return rows.isEmpty() ? 0 : rows[0].value(0).toLongLong();
}

struct Waited
{
    qint64 ms = 0;
    int ticks = 0;              // of a 10 ms timer: the window handled its events meanwhile
    bool saidWaiting = false;   // the pivot table said it waits for the server
};

// Runs the event loop until the pivot table's query in hand ends; `onWaiting` runs once the
// pivot table says that it waits for the server.
Waited waitForResult(pivot::PivotTable& pivot, const std::function<void()>& onWaiting = {})
{
    Waited waited;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++waited.ticks; });
    tick.start(10);
    QElapsedTimer clock;
    clock.start();
    while (pivot.queryPending() && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const QLabel* label = pivot.progressLabel();
        if (!waited.saidWaiting && !label->isHidden()
            && label->text().startsWith(QStringLiteral("Waiting for the cube server: "))) {
            waited.saidWaiting = true;
            if (onWaiting)
                onWaiting();
        }
    }
    waited.ms = clock.elapsed();
    return waited;
}

}

// The server session stops (SIGSTOP) in the middle of the session: the window goes on, says
// that it waits, gives up at the limit or when the user stops waiting, says why, and the next
// change finds the server again.
TEST_F(ServerWait, AStoppedServerSessionIsGivenUpAtTheLimitOrByTheUserWhileTheWindowGoesOn)
{
    REQUIRE_TEST_SERVER();
    const olap::InstalledAnswerLimits limits({.server = std::chrono::seconds(3)});
    pivot::PivotTable pivot;
    pivot.setQueriesInBackground(true);
    pivot.setConnectionString(QStringLiteral("Provider=MSOLAP.4;Data Source=%1;Initial Catalog=%2;SspropInitAppName=%3")
                                  .arg(testServer(), catalog, kAppName));
    pivot.setDataMember(QStringLiteral("Sales"));
    waitForResult(pivot);
    olap::PgConnection admin(olap::DataSource::fromConnectionString(
        olap::ConnectionString::parse(QStringLiteral("Provider=MSOLAP.4;Data Source=") + testServer())));
    const auto stopped = [&](qint64 pid) {
        EXPECT_GT(pid, 0);
        kill(pid_t(pid), SIGSTOP);
        return qScopeGuard([pid] { kill(pid_t(pid), SIGCONT); });
    };
    const pivot::FieldRef channel{pivot::FieldRef::Kind::Hierarchy, QStringLiteral("Channel")};
    const pivot::FieldRef time{pivot::FieldRef::Kind::Hierarchy, QStringLiteral("Time")};
    {
        const auto resume = stopped(sessionOf(admin));
        pivot.placeField(channel, pivot::Area::Row);
        const Waited waited = waitForResult(pivot);
        EXPECT_TRUE(waited.saidWaiting);
        EXPECT_LT(waited.ms, 20000);
        EXPECT_GT(waited.ticks, 50);
        EXPECT_EQ(pivot.errorText(),
                  QStringLiteral("The cube server did not answer within 3 seconds; the query was cancelled."));
    }

    // The next session waits longer, so that only the user's giving up can end the next wait.
    const olap::InstalledAnswerLimits longer({.server = std::chrono::seconds(30)});
    pivot.placeField(time, pivot::Area::Column);
    EXPECT_FALSE(waitForResult(pivot).saidWaiting);
    EXPECT_EQ(pivot.errorText(), QString());

    {
        const auto resume = stopped(sessionOf(admin));
        pivot.removeField(time);
        const Waited waited = waitForResult(pivot, [&] { emit pivot.progressLabel()->linkActivated(QString()); });
        EXPECT_TRUE(waited.saidWaiting);
        EXPECT_EQ(pivot.errorText(),
                  QStringLiteral("The query was cancelled: you stopped waiting for the cube server."));
    }
    pivot.placeField(time, pivot::Area::Column);
    waitForResult(pivot);
    EXPECT_EQ(pivot.errorText(), QString());
}
