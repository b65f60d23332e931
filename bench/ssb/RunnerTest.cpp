// Checks how the runner keys the answers it compares: the engine's cells, totals included,
// and the SQL peers' rows, whose NULL group columns are totals. Run by hand from the bench
// build (build/bench/bench/ssb/ssb_runner_test), like the benchmark itself.
#include "EnginePeer.h"
#include "SqlPeers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace ssb {
namespace {

olap::TupleMember member(QStringList keys, bool isTotal = false)
{
    return {olap::Member{olap::MemberPath{keys}, keys.isEmpty() ? QStringLiteral("All") : keys.back()}, isTotal};
}

olap::AxisField field(const char* hierarchy, int level)
{
    olap::AxisField f;
    f.hierarchy = QString::fromLatin1(hierarchy);
    f.level = level;
    return f;
}

// Nations on rows with their regions' subtotals and the grand total, years on columns with theirs.
struct NationsByYear
{
    olap::PivotQuery query;
    olap::CellSet cells;

    NationsByYear()
    {
        query.rows.fields = {field("Customer Geography", 1)};
        query.columns.fields = {field("Calendar", 0)};
        query.measures = {QStringLiteral("Orders")};
        const QString asia = QStringLiteral("ASIA");
        cells.rows = {{{member({asia, QStringLiteral("CHINA")})}},
                      {{member({asia, QStringLiteral("JAPAN")})}},
                      {{member({asia}, true)}},
                      {{member({}, true)}}};
        cells.columns = {{{member({QStringLiteral("1992")})}}, {{member({}, true)}}};
        cells.measures = query.measures;
        cells.values = {1, 11, 2, 12, 3, 13, 4, std::nullopt};
    }
};

TEST(Runner, EveryCellOfAQueryWithTotalsIsKeyedByEveryLevel)
{
    const NationsByYear n;
    const ResultMap expected{{"ASIA|CHINA|1992", 1}, {"ASIA|CHINA|*", 11}, {"ASIA|JAPAN|1992", 2}, {"ASIA|JAPAN|*", 12},
                             {"ASIA|*|1992", 3},     {"ASIA|*|*", 13},     {"*|*|1992", 4}};
    EXPECT_EQ(cellsOf(n.cells, n.query), expected);
}

// The published SQL groups by each field's deepest level only and has no totals.
TEST(Runner, AQueryWithoutTotalsIsKeyedByEachMembersOwnKey)
{
    NationsByYear n;
    for (olap::Axis* axis : {&n.query.rows, &n.query.columns})
        axis->subtotals = axis->grandTotal = false;
    const ResultMap expected{{"CHINA|1992", 1}, {"JAPAN|1992", 2}};
    EXPECT_EQ(cellsOf(n.cells, n.query), expected);
}

// A NULL group column is a total, keyed as the engine keys it; a missing total is a difference.
TEST(Runner, SqlTotalsAreKeyedAsTheEnginesAndCompared)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("totals.db")).toStdString();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE t (region TEXT, nation TEXT, v INTEGER); "
                           "INSERT INTO t VALUES ('ASIA', 'CHINA', 1), ('ASIA', 'JAPAN', 2);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    SqlitePeer peer(path);
    const ResultMap answer = peer.run("SELECT region, nation, sum(v) FROM t GROUP BY region, nation "
                                      "UNION ALL SELECT region, NULL, sum(v) FROM t GROUP BY region "
                                      "UNION ALL SELECT NULL, NULL, sum(v) FROM t");
    const ResultMap expected{{"ASIA|CHINA", 1}, {"ASIA|JAPAN", 2}, {"ASIA|*", 3}, {"*|*", 3}};
    EXPECT_EQ(answer, expected);

    ResultMap withoutTotals = answer;
    withoutTotals.erase("*|*");
    EXPECT_TRUE(difference(answer, withoutTotals).has_value());
    EXPECT_FALSE(difference(answer, expected).has_value());
}

}
}
