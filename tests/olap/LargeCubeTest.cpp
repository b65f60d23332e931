#include "LargeCube.h"
#include "SampleCubes.h"

#include "olap/CubeProvider.h"
#include "olap/MemoryCube.h"
#include "olap/NumberFormat.h"

#include <QFile>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace olap;

using testcubes::field;
using testcubes::path;

namespace {

CubeSource& large()
{
    static std::unique_ptr<CubeSource> cube =
        openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + largecube::cubeFile(), QString());
    return *cube;
}

PivotQuery itemsByPlaceAndKind(bool totals)
{
    PivotQuery q;
    q.rows.fields = {field("Item", 1), field("Place", 1)};
    q.columns.fields = {field("Kind")};
    for (Axis* axis : {&q.rows, &q.columns}) {
        axis->subtotals = totals;
        axis->grandTotal = totals;
    }
    q.measures = largecube::measures();
    return q;
}

}

// Every total's distinct counts against COUNT(DISTINCT) over the same groups, at every total
// level, on each of the engine's ways to count: bitmaps for few groups (regions by item group),
// value ids by group where codes index an array (regions by item: too many bitmaps), and where
// groups are hashed (cities by item, tens of thousands of groups). An order's three facts have
// three kinds, three items and mostly one region, so a total over kinds, or over items and
// cities, holds fewer orders than its parts together.
TEST(LargeCube, DistinctCountsOfEveryTotalEqualSqlOnEveryPath)
{
    for (const auto& [itemLevel, placeLevel] : {std::pair(0, 0), std::pair(1, 0), std::pair(1, 1)}) {
        SCOPED_TRACE(testing::Message() << "item level " << itemLevel << ", place level " << placeLevel);
        PivotQuery q;
        q.rows.fields = {field("Place", placeLevel), field("Item", itemLevel)};
        q.columns.fields = {field("Kind")};
        q.measures = largecube::measures();
        const CellSet cells = large().query(q);
        ASSERT_EQ(cells.columns.size(), 6);
        if (itemLevel == 1 && placeLevel == 1) {
            EXPECT_GT(cells.rows.size(), 40000);
        }
        largecube::expectEqualsSql(cells, q);

        const int grandRow = int(cells.rows.size()) - 1;
        const int orders = int(largecube::measures().indexOf(QStringLiteral("Orders")));
        double kinds = 0;
        for (int c = 0; c < 5; ++c)
            kinds += cells.value(grandRow, c, orders).value_or(0);
        EXPECT_LT(*cells.value(grandRow, 5, orders) * 2, kinds);
    }
}

TEST(LargeCube, ManyGroupsWithoutTotalsEqualSqlAndShowNoTotal)
{
    const PivotQuery q = itemsByPlaceAndKind(false);
    const CellSet cells = large().query(q);
    for (const Tuple& t : cells.rows) {
        for (const TupleMember& m : t.members)
            ASSERT_FALSE(m.isTotal || m.member.path.isAll());
    }
    EXPECT_EQ(cells.columns.size(), 5);
    largecube::expectEqualsSql(cells, q);
}

// Few groups: distinct values are counted through bitmaps; the empty region is a member.
TEST(LargeCube, FewGroupsWithAFilterAndTheEmptyRegionEqualSql)
{
    PivotQuery q;
    q.rows.fields = {field("Item")};
    q.columns.fields = {field("Place")};
    q.filters = {{QStringLiteral("Kind"), {path({"k1"}), path({"k4"})}}};
    q.measures = largecube::measures();
    const CellSet cells = large().query(q);
    bool emptyRegion = false;
    for (const Tuple& t : cells.columns)
        emptyRegion = emptyRegion || t.members[0].member.path == path({""});
    EXPECT_TRUE(emptyRegion);
    largecube::expectEqualsSql(cells, q, QStringLiteral("c.c_name IN ('k1', 'k4')"));
}

TEST(LargeCube, FilterOnTheEmptyRegionKeepsOnlyItsFacts)
{
    PivotQuery q;
    q.rows.fields = {field("Place", 1)};
    q.filters = {{QStringLiteral("Place"), {path({""})}}};
    q.measures = largecube::measures();
    const CellSet cells = large().query(q);
    largecube::expectEqualsSql(cells, q, QStringLiteral("b.b_region IS NULL"));
}

// Sorting by value needs totals that the layout does not show.
TEST(LargeCube, SortingByValueWithoutTotalsUsesTheUnshownTotals)
{
    PivotQuery q;
    q.rows.fields = {field("Item", 1)};
    q.columns.fields = {field("Kind")};
    q.rows.subtotals = q.rows.grandTotal = q.columns.subtotals = q.columns.grandTotal = false;
    q.rows.sortByMeasure = 4;   // Orders
    q.rows.sortByValue = SortOrder::Descending;
    q.measures = largecube::measures();
    const CellSet cells = large().query(q);
    largecube::expectEqualsSql(cells, q);
    const auto orders =
        testcubes::sql(largecube::cubeFile(),
                       QStringLiteral("SELECT COUNT(DISTINCT order_id) FROM facts f JOIN dim_a a USING (a_id) "
                                      "JOIN dim_b USING (b_id) JOIN dim_c USING (c_id) "
                                      "WHERE a.a_group = '%1' GROUP BY a.a_id ORDER BY 1 DESC LIMIT 1")
                           .arg(cells.rows[0].members[0].member.path.keys[0]));
    ASSERT_EQ(orders.size(), 1);
    // The first group's first item is the one with the most orders in that group.
    const auto first =
        testcubes::sql(largecube::cubeFile(),
                       QStringLiteral("SELECT COUNT(DISTINCT order_id) FROM facts f JOIN dim_b USING (b_id) "
                                      "JOIN dim_c USING (c_id) WHERE f.a_id = %1")
                           .arg(cells.rows[0].members[0].member.path.keys[1]));
    EXPECT_EQ(first[0][0].toDouble(), orders[0][0].toDouble());
}

// A cube file is read once, on a thread of its own, and shared by every source that opens
// it; a file changed on disk is read afresh.
TEST(LargeCube, OneReadPerFileSharedUntilTheFileChanges)
{
    const QString copy = testcubes::folder() + QStringLiteral("/shared-read.cub");
    ASSERT_TRUE(QFile::copy(largecube::cubeFile(), copy));
    const QString connection = QStringLiteral("Provider=MSOLAP.4;data source=") + copy;
    const auto first = openCube(connection, QString());
    const auto second = openCube(connection, QString());
    const auto& a = dynamic_cast<const MemoryCube&>(*first).load();
    const auto& b = dynamic_cast<const MemoryCube&>(*second).load();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(first->schema().name, QStringLiteral("Large"));   // before the read has ended
    first->members(QStringLiteral("Kind"), 0);
    EXPECT_TRUE(a.finished());
    EXPECT_EQ(a.progress().rowCount.load(), 60000);
    EXPECT_EQ(a.progress().rowsRead.load(), 60000);

    testcubes::exec(copy, QStringLiteral("INSERT INTO facts VALUES (1, 1, 1, 1000, 1, 1, 'x', 1)"));
    const auto third = openCube(connection, QString());
    const auto& c = dynamic_cast<const MemoryCube&>(*third).load();
    EXPECT_NE(&a, &c);
    PivotQuery q;
    q.measures = {QStringLiteral("Lines")};
    EXPECT_EQ(third->query(q).value(0, 0, 0), 60000.0 - 100 + 1);   // facts of city 601 have no row
    EXPECT_EQ(first->query(q).value(0, 0, 0), 60000.0 - 100);
}

// Whole numbers are summed exactly, as SQLite's SUM does; where SQLite reports an integer
// overflow, past 64 bits, the cell is the nearest double instead, as SQLite's TOTAL gives it,
// never a sum that wrapped. A total whose parts passed 64 bits but which itself fits is exact.
TEST(WholeNumbers, SumsPastSixtyFourBitsAreTheNearestDoubleAndEveryOtherCellIsExact)
{
    const QString file = testcubes::buildCubeFromSql(QStringLiteral("Big"), testcubes::bigWholeNumbersSql());
    const auto cube = openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + file, QString());
    PivotQuery q;
    q.rows.fields = {field("Group")};
    q.measures = QStringList{QStringLiteral("Total"), QStringLiteral("Least"), QStringLiteral("Most"),
                             QStringLiteral("Mean"), QStringLiteral("Facts")};
    const CellSet cells = cube->query(q);
    ASSERT_EQ(cells.rows.size(), 5);
    for (int r = 0; r < 4; ++r) {
        const QString group = cells.rows[r].members[0].member.path.keys[0];
        SCOPED_TRACE("group " + group.toStdString());
        const QString where = QStringLiteral(" FROM big_fact WHERE group_id = ") + group;
        const QVector<QVariant> expected =
            testcubes::sql(file, QStringLiteral("SELECT TOTAL(v), MIN(v), MAX(v), AVG(v), COUNT(v)") + where).value(0);
        ASSERT_EQ(expected.size(), 5);
        for (int m : {1, 2, 4})
            EXPECT_EQ(cells.cell(r, 0, m), CellValue::whole(expected[m].toLongLong())) << q.measures[m].toStdString();
        EXPECT_DOUBLE_EQ(cells.cell(r, 0, 3).toDouble(), expected[3].toDouble());
        const CellValue& total = cells.cell(r, 0, 0);
        if (group == QLatin1String("1") || group == QLatin1String("2")) {
            EXPECT_NONFATAL_FAILURE(testcubes::sql(file, QStringLiteral("SELECT SUM(v)") + where), "integer overflow");
            ASSERT_FALSE(total.isWhole());
            EXPECT_DOUBLE_EQ(total.toDouble(), expected[0].toDouble());
        } else {
            const qint64 sum =
                testcubes::sql(file, QStringLiteral("SELECT SUM(v)") + where).value(0).value(0).toLongLong();
            EXPECT_EQ(total, CellValue::whole(sum));
        }
    }
    EXPECT_EQ(cells.cell(4, 0, 0), CellValue::whole(-9214364837600034807));
    EXPECT_EQ(cells.cell(4, 0, 1), CellValue::whole(-9223372036854775807));
    EXPECT_EQ(formatNumber(cells.cell(2, 0, 0), QStringLiteral("#,##0"), QLocale(QLocale::English)),
              QStringLiteral("9,007,199,254,740,994"));
}
