#include "SampleCubes.h"

#include "olap/CubeProvider.h"
#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <atomic>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <thread>

using namespace olap;

namespace {

// The threads of this process, as the kernel lists them.
int threadCount()
{
    DIR* tasks = opendir("/proc/self/task");
    int count = 0;
    while (const dirent* entry = readdir(tasks))
        count += entry->d_name[0] != '.';
    closedir(tasks);
    return count;
}

// The most threads this process had while `work` ran, less those it had before (the
// counting thread is one of them).
int extraThreadsDuring(const std::function<void()>& work)
{
    const int before = threadCount();
    std::atomic<bool> done = false;
    std::atomic<int> peak = before;
    std::thread counter([&] {
        while (!done)
            peak = std::max(peak.load(), threadCount());
    });
    work();
    done = true;
    counter.join();
    return peak - before;
}

// A thousand dimensions of two rows, and facts whose rowids lie far enough apart to be read
// in stretches.
QString thousandDimensionCube()
{
    constexpr int kDimensions = 1000;
    QString sql = QStringLiteral("BEGIN;");   // one write, not thousands
    QStringList keys;
    QStringList values;
    for (int d = 0; d < kDimensions; ++d) {
        sql += QStringLiteral("CREATE TABLE d%1 (k INTEGER PRIMARY KEY, name TEXT);"
                              "INSERT INTO d%1 VALUES (1, 'one'), (2, 'two');")
                   .arg(d);
        keys << QStringLiteral("k%1").arg(d);
        values << QStringLiteral("1 + (i + %1) % 2").arg(d);
    }
    sql += QStringLiteral("CREATE TABLE f (id INTEGER PRIMARY KEY, %1, v INTEGER);"
                          "INSERT INTO f WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                          "  SELECT i * 1000, %2, i FROM n;"
                          "INSERT INTO olap_cube (name, fact_table) VALUES ('Wide', 'f');"
                          "INSERT INTO olap_measure (cube, name, column_name, aggregate, ordinal) VALUES"
                          "  ('Wide', 'Value', 'v', 'sum', 1), ('Wide', 'Lines', NULL, 'count', 2);")
               .arg(keys.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
    for (int d = 0; d < kDimensions; ++d) {
        sql += QStringLiteral(
                   "INSERT INTO olap_dimension (cube, name, dim_table, dim_key, fact_key) VALUES "
                   "('Wide', 'D%1', 'd%1', 'k', 'k%1');"
                   "INSERT INTO olap_hierarchy (cube, name, dimension, ordinal) VALUES ('Wide', 'D%1', 'D%1', %1);"
                   "INSERT INTO olap_level (cube, hierarchy, depth, name, key_column) VALUES ('Wide', 'D%1', 1, "
                   "'Name', 'name');")
                   .arg(d);
    }
    return testcubes::buildCubeFromSql(QStringLiteral("Wide"), sql + QStringLiteral("COMMIT;"));
}

// Opening and querying the wide cube starts no thread beyond the pool's (which exist before)
// and the one that reads the file in the background; the answer is the join's.
void expectReadOnThePool()
{
    forEachTask(workerCount(), [](size_t, size_t) {});   // the pool's threads are there
    const QString path = thousandDimensionCube();
    CellSet cells;
    const int extra = extraThreadsDuring([&] {
        const auto cube = openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + path, QString());
        PivotQuery q;
        q.rows.fields = {testcubes::field("D999")};
        q.measures = {QStringLiteral("Value"), QStringLiteral("Lines")};
        cells = cube->query(q);
    });
    EXPECT_LE(extra, 2) << "the counting thread and the reading thread";
    const auto byName = testcubes::sql(
        path, QStringLiteral("SELECT d.name, SUM(f.v), COUNT(*) FROM f JOIN d999 d ON d.k = f.k999 GROUP BY 1"));
    ASSERT_EQ(cells.rows.size(), 3);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(cells.rows[r].members[0].member.caption, byName[r][0].toString());
        EXPECT_EQ(cells.value(r, 0, 0), byName[r][1].toDouble());
        EXPECT_EQ(cells.value(r, 0, 1), byName[r][2].toDouble());
    }
    EXPECT_EQ(cells.value(2, 0, 1), 300.0);
}

}

TEST(CubeFileThreads, AThousandDimensionsAreReadOnThePoolsThreads)
{
    expectReadOnThePool();
}

// Run by the next test in a process that may use two processors, as under "taskset -c 0,1".
TEST(CubeFileThreads, DISABLED_ReadWithinTheProcessorsAllowed)
{
    ASSERT_EQ(workerCount(), 2u);
    expectReadOnThePool();
}

TEST(CubeFileThreads, ReadingKeepsToTheProcessorsTheProcessMayUse)
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
    if (CPU_COUNT(&allowed) < 3)
        GTEST_SKIP() << "this process may use no more processors than the test allows";
    cpu_set_t two;   // the first two of those this process may use
    CPU_ZERO(&two);
    for (int cpu = 0; cpu < CPU_SETSIZE && CPU_COUNT(&two) < 2; ++cpu) {
        if (CPU_ISSET(cpu, &allowed))
            CPU_SET(cpu, &two);
    }
    QProcess child;
    child.setChildProcessModifier([two] { sched_setaffinity(0, sizeof two, &two); });
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=CubeFileThreads.DISABLED_ReadWithinTheProcessorsAllowed")});
    ASSERT_TRUE(child.waitForFinished(300000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

TEST(CubeFileThreads, AThreadTheSystemRefusesGivesAMessageNamingTheFile)
{
    const QString path = testcubes::buildCube(QStringLiteral("Sales"));
    const RefusedThreadStarts refused;
    try {
        openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + path, QString())->query(PivotQuery());
        FAIL() << "the cube was read without a thread of its own";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), platform::err::Unspecified);
        EXPECT_TRUE(e.description().contains(path)) << e.what();
        EXPECT_TRUE(e.description().contains(QStringLiteral("could not start a thread"))) << e.what();
    }
}
