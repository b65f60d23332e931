#include "SampleCubes.h"

#include "olap/CubeProvider.h"
#include "olap/HierarchyIndex.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using namespace olap;

using testcubes::field;
using testcubes::path;

namespace {

std::unique_ptr<CubeSource> open(const QString& path)
{
    return openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + path, QString());
}

CubeSource& sales()
{
    static std::unique_ptr<CubeSource> cube = open(testcubes::salesCube());
    return *cube;
}

const QStringList kAllSalesMeasures{QStringLiteral("Revenue"),      QStringLiteral("Quantity"),
                                    QStringLiteral("Order Lines"),  QStringLiteral("Average Discount"),
                                    QStringLiteral("Customers"),    QStringLiteral("Largest Line"),
                                    QStringLiteral("Smallest Line")};
// The same measures in SQL, in the same order.
const char kSalesAggregates[] = "SUM(revenue), SUM(quantity), COUNT(*), AVG(discount), COUNT(DISTINCT customer_id), "
                                "MAX(revenue), MIN(revenue)";

QStringList captions(const QVector<Tuple>& tuples, int field = 0)
{
    QStringList result;
    for (const Tuple& t : tuples)
        result << t.members[field].member.caption + (t.members[field].isTotal ? QStringLiteral("*") : QString());
    return result;
}

// Compares a row of cell values with a row of SQL results (the columns after `skip`).
void expectCells(const CellSet& cells, int row, int column, const QVector<QVariant>& expected, int skip = 0)
{
    for (int m = 0; m < cells.measures.size(); ++m) {
        const std::optional<double> actual = cells.value(row, column, m);
        const QVariant& want = expected[skip + m];
        SCOPED_TRACE(cells.measures[m].toStdString() + " at row " + std::to_string(row));
        if (want.isNull()) {
            EXPECT_FALSE(actual.has_value());
            continue;
        }
        ASSERT_TRUE(actual.has_value());
        EXPECT_NEAR(*actual, want.toDouble(), 1e-6 * std::max(1.0, std::abs(want.toDouble())));
    }
}

}

TEST(MemoryCube, YearsAndGrandTotalEqualSqlForEveryAggregate)
{
    PivotQuery q;
    q.rows.fields = {field("Time")};
    q.measures = kAllSalesMeasures;
    const CellSet cells = sales().query(q);
    ASSERT_EQ(cells.rows.size(), 5);
    ASSERT_EQ(cells.columns.size(), 1);
    EXPECT_EQ(captions(cells.rows),
              (QStringList{QStringLiteral("2021"), QStringLiteral("2022"), QStringLiteral("2023"),
                           QStringLiteral("2024"), QStringLiteral("All*")}));
    const auto byYear =
        testcubes::sql(testcubes::salesCube(),
                       QStringLiteral("SELECT m.year, %1 FROM sales_fact f JOIN sales_month m USING (month_id) "
                                      "GROUP BY m.year ORDER BY m.year")
                           .arg(QLatin1String(kSalesAggregates)));
    ASSERT_EQ(byYear.size(), 4);
    for (int y = 0; y < 4; ++y)
        expectCells(cells, y, 0, byYear[y], 1);
    // Averages and distinct counts of the total come from the facts, not from the years.
    const auto total = testcubes::sql(testcubes::salesCube(),
                                      QStringLiteral("SELECT %1 FROM sales_fact").arg(QLatin1String(kSalesAggregates)));
    expectCells(cells, 4, 0, total[0]);
}

TEST(MemoryCube, SubtotalsFollowTheirChildrenInHierarchyOrder)
{
    PivotQuery q;
    q.rows.fields = {field("Geography", 1)};
    q.measures = {QStringLiteral("Revenue"), QStringLiteral("Customers")};
    const CellSet cells = sales().query(q);
    const QStringList expected{QStringLiteral("Denmark"),
                               QStringLiteral("Norway"),
                               QStringLiteral("Sweden"),
                               QStringLiteral("Northern Europe*"),
                               QStringLiteral("Austria"),
                               QStringLiteral("Germany"),
                               QStringLiteral("Poland"),
                               QStringLiteral("Switzerland"),
                               QStringLiteral("Central Europe*"),
                               QStringLiteral("Greece"),
                               QStringLiteral("Italy"),
                               QStringLiteral("Portugal"),
                               QStringLiteral("Spain"),
                               QStringLiteral("Southern Europe*"),
                               QStringLiteral("All*")};
    EXPECT_EQ(captions(cells.rows), expected);

    const auto regions =
        testcubes::sql(testcubes::salesCube(),
                       QStringLiteral("SELECT c.region_code, SUM(revenue), COUNT(DISTINCT customer_id) "
                                      "FROM sales_fact f JOIN sales_city c USING (city_id) "
                                      "GROUP BY c.region_code ORDER BY c.region_code"));
    expectCells(cells, 3, 0, regions[0], 1);
    expectCells(cells, 8, 0, regions[1], 1);
    expectCells(cells, 13, 0, regions[2], 1);
    const auto poland =
        testcubes::sql(testcubes::salesCube(),
                       QStringLiteral("SELECT SUM(revenue), COUNT(DISTINCT customer_id) FROM sales_fact f "
                                      "JOIN sales_city c USING (city_id) WHERE c.country_code = 'PL'"));
    expectCells(cells, 6, 0, poland[0]);
    EXPECT_EQ(cells.rows[6].members[0].member.path, path({"2", "PL"}));
}

TEST(MemoryCube, EmptyMembersAreShownOnlyWhenAsked)
{
    PivotQuery q;
    AxisField cities = field("Geography", 0);
    cities.expanded = {path({"1"}), path({"1", "NO"})};
    q.rows.fields = {cities};
    q.measures = {QStringLiteral("Revenue")};
    const auto norway = [](const CellSet& cells) {
        QStringList result;
        for (const Tuple& t : cells.rows) {
            if (t.members[0].member.path.keys.value(1) == QLatin1String("NO"))
                result << t.members[0].member.caption;
        }
        return result;
    };
    EXPECT_EQ(norway(sales().query(q)),
              (QStringList{QStringLiteral("Bergen"), QStringLiteral("Oslo"), QStringLiteral("Norway")}));
    q.rows.showEmpty = true;
    const CellSet withEmpty = sales().query(q);
    EXPECT_EQ(norway(withEmpty),
              (QStringList{QStringLiteral("Bergen"), QStringLiteral("Oslo"), QStringLiteral("Tromsø"),
                           QStringLiteral("Norway")}));
    for (int r = 0; r < withEmpty.rows.size(); ++r) {
        if (withEmpty.rows[r].members[0].member.caption == QStringLiteral("Tromsø")) {
            EXPECT_FALSE(withEmpty.value(r, 0, 0).has_value());
        }
    }
}

TEST(MemoryCube, NestedFieldsAndColumnsEqualGroupedSql)
{
    PivotQuery q;
    q.rows.fields = {field("Product"), field("Channel")};
    q.columns.fields = {field("Time")};
    q.measures = {QStringLiteral("Quantity"), QStringLiteral("Average Discount")};
    const CellSet cells = sales().query(q);
    // 3 categories x (3 channels + subtotal) + grand total; 4 years + total.
    ASSERT_EQ(cells.rows.size(), 13);
    ASSERT_EQ(cells.columns.size(), 5);
    EXPECT_EQ(cells.rows[3].members[0].member.caption, QStringLiteral("Accessories"));
    EXPECT_FALSE(cells.rows[3].members[0].isTotal);
    EXPECT_TRUE(cells.rows[3].members[1].isTotal);

    const auto detail = testcubes::sql(
        testcubes::salesCube(),
        QStringLiteral("SELECT p.category, f.channel_id, m.year, SUM(quantity), AVG(discount) FROM sales_fact f "
                       "JOIN sales_product p USING (product_id) JOIN sales_month m USING (month_id) "
                       "GROUP BY 1, 2, 3 ORDER BY 1, 2, 3"));
    ASSERT_EQ(detail.size(), 36);
    for (int i = 0; i < 36; ++i) {
        const int row = (i / 12) * 4 + (i / 4) % 3;
        expectCells(cells, row, i % 4, detail[i], 3);
    }
    const auto subtotals =
        testcubes::sql(testcubes::salesCube(),
                       QStringLiteral("SELECT p.category, SUM(quantity), AVG(discount) FROM sales_fact f "
                                      "JOIN sales_product p USING (product_id) GROUP BY 1 ORDER BY 1"));
    for (int c = 0; c < 3; ++c)
        expectCells(cells, c * 4 + 3, 4, subtotals[c], 1);
}

TEST(MemoryCube, FiltersRestrictFactsAndMembers)
{
    PivotQuery q;
    q.rows.fields = {field("Geography", 2)};
    q.filters = {{QStringLiteral("Geography"), {path({"1", "SE"}), path({"2", "PL", "14"})}},
                 {QStringLiteral("Time"), {path({"2022"}), path({"2023", "4"})}}};
    q.measures = {QStringLiteral("Revenue"), QStringLiteral("Order Lines"), QStringLiteral("Customers")};
    const CellSet cells = sales().query(q);
    QStringList cities;
    for (const Tuple& t : cells.rows) {
        if (t.members[0].member.path.level() == 2)
            cities << t.members[0].member.caption;
    }
    EXPECT_EQ(cities,
              (QStringList{QStringLiteral("Göteborg"), QStringLiteral("Malmö"), QStringLiteral("Stockholm"),
                           QStringLiteral("Kraków")}));
    const auto total =
        testcubes::sql(testcubes::salesCube(),
                       QStringLiteral("SELECT SUM(revenue), COUNT(*), COUNT(DISTINCT customer_id) FROM sales_fact f "
                                      "JOIN sales_city c USING (city_id) JOIN sales_month m USING (month_id) "
                                      "WHERE (c.country_code = 'SE' OR c.city_id = 14) AND (m.year = 2022 OR (m.year = "
                                      "2023 AND m.quarter = 4))"));
    expectCells(cells, int(cells.rows.size()) - 1, 0, total[0]);
}

TEST(MemoryCube, ExpandedAndCollapsedMembers)
{
    PivotQuery q;
    AxisField time = field("Time", 0);
    time.expanded = {path({"2022"})};
    q.rows.fields = {time};
    q.measures = {QStringLiteral("Revenue")};
    EXPECT_EQ(captions(sales().query(q).rows),
              (QStringList{QStringLiteral("2021"), QStringLiteral("Q1"), QStringLiteral("Q2"), QStringLiteral("Q3"),
                           QStringLiteral("Q4"), QStringLiteral("2022*"), QStringLiteral("2023"),
                           QStringLiteral("2024"), QStringLiteral("All*")}));
    time.level = 1;
    time.expanded = {};
    time.collapsed = {path({"2021"}), path({"2022"}), path({"2023"})};
    q.rows.fields = {time};
    q.rows.subtotals = false;
    q.rows.grandTotal = false;
    EXPECT_EQ(captions(sales().query(q).rows),
              (QStringList{QStringLiteral("2021"), QStringLiteral("2022"), QStringLiteral("2023"), QStringLiteral("Q1"),
                           QStringLiteral("Q2"), QStringLiteral("Q3"), QStringLiteral("Q4")}));
}

TEST(MemoryCube, SortsByLabelAndByValue)
{
    PivotQuery q;
    q.rows.fields = {field("Channel")};
    q.measures = {QStringLiteral("Revenue")};
    q.rows.sortByLabel = SortOrder::Descending;
    EXPECT_EQ(captions(sales().query(q).rows),
              (QStringList{QStringLiteral("Wholesale"), QStringLiteral("Retail"), QStringLiteral("Online"),
                           QStringLiteral("All*")}));
    q.rows.sortByLabel = SortOrder::None;
    q.rows.sortByMeasure = 0;
    q.rows.sortByValue = SortOrder::Ascending;
    const CellSet cells = sales().query(q);
    for (int r = 0; r + 2 < cells.rows.size(); ++r)
        EXPECT_LE(*cells.value(r, 0, 0), *cells.value(r + 1, 0, 0));
}

TEST(MemoryCube, HierarchyOrderTakesOnlyFiniteNumbersAsNumbers)
{
    // Customers called "Nan" or "Inf" are names, not numbers that sort before every name; texts
    // that read as numbers sort as numbers, and large whole numbers by every digit.
    HierarchyIndex index(1);
    for (const char* name :
         {"Nan", "9007199254740993", "Bob", "Inf", "10", "1e3", "Anna", " 12 ", "9", "9007199254740992"}) {
        const QString text = QString::fromUtf8(name);
        index.addRow({LevelCell{text, text, text}});
    }
    index.finish();
    QStringList order;
    for (int id : index.roots())
        order << index.member(id).caption;
    EXPECT_EQ(
        order,
        (QStringList{QStringLiteral("9"), QStringLiteral("10"), QStringLiteral(" 12 "), QStringLiteral("1e3"),
                     QStringLiteral("9007199254740992"), QStringLiteral("9007199254740993"), QStringLiteral("Anna"),
                     QStringLiteral("Bob"), QStringLiteral("Inf"), QStringLiteral("Nan")}));
}

TEST(MemoryCube, MemberListsFollowTheHierarchyAndSearchIgnoresCase)
{
    const QVector<Member> swedish = sales().members(QStringLiteral("Geography"), 2, path({"1", "SE"}));
    ASSERT_EQ(swedish.size(), 3);
    EXPECT_EQ(swedish[0].caption, QStringLiteral("Göteborg"));
    EXPECT_EQ(swedish[0].path, path({"1", "SE", "1"}));
    const QVector<Member> found = sales().members(QStringLiteral("Geography"), 2, {}, QStringLiteral("ÖT"));
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].caption, QStringLiteral("Göteborg"));
    EXPECT_EQ(sales().members(QStringLiteral("Geography"), 2, {}, QStringLiteral("αθ"))[0].caption,
              QStringLiteral("Αθήνα"));
    EXPECT_EQ(sales().members(QStringLiteral("Time"), 2, path({"2023"})).size(), 12);
    EXPECT_TRUE(sales().members(QStringLiteral("Time"), 1, path({"1999"})).isEmpty());
}

TEST(MemoryCube, DetailsAreTheFactsOfTheCell)
{
    PivotQuery q;
    q.rows.fields = {field("Geography", 2)};
    q.columns.fields = {field("Time")};
    q.filters = {{QStringLiteral("Channel"), {path({"1"})}}};
    q.measures = {QStringLiteral("Revenue")};
    const CellSet cells = sales().query(q);
    int krakow = -1;
    for (int r = 0; r < cells.rows.size(); ++r) {
        if (cells.rows[r].members[0].member.caption == QStringLiteral("Kraków") && !cells.rows[r].members[0].isTotal)
            krakow = r;
    }
    ASSERT_GE(krakow, 0);
    const DetailRows rows = sales().details(q, krakow, 1, 100000);
    const auto expected = testcubes::sql(
        testcubes::salesCube(),
        QStringLiteral("SELECT COUNT(*), SUM(revenue) FROM sales_fact f JOIN sales_month m USING (month_id) "
                       "WHERE city_id = 14 AND m.year = 2022 AND channel_id = 1"));
    EXPECT_FALSE(rows.truncated);
    ASSERT_EQ(rows.rows.size(), expected[0][0].toInt());
    const int revenue = int(rows.columns.indexOf(QStringLiteral("Revenue")));
    double sum = 0;
    for (const auto& r : rows.rows)
        sum += r[revenue].toDouble();
    EXPECT_NEAR(sum, expected[0][1].toDouble(), 1e-6);
    EXPECT_EQ(rows.rows[0][rows.columns.indexOf(QStringLiteral("City"))].toString(), QStringLiteral("Kraków"));

    const DetailRows few = sales().details(q, krakow, 1, 5);
    EXPECT_EQ(few.rows.size(), 5);
    EXPECT_TRUE(few.truncated);
    EXPECT_THROW(sales().details(q, 9999, 0, 5), platform::VbError);
}

TEST(MemoryCube, BudgetAveragesSkipEmptyValuesAndCountTeamsOnce)
{
    auto budget = open(testcubes::budgetCube());
    PivotQuery q;
    q.rows.fields = {field("Organisation")};
    q.columns.fields = {field("Scenario")};
    q.measures = {QStringLiteral("Amount"), QStringLiteral("Bookings"), QStringLiteral("Utilisation"),
                  QStringLiteral("Teams")};
    const CellSet cells = budget->query(q);
    EXPECT_EQ(captions(cells.rows),
              (QStringList{QStringLiteral("Development"), QStringLiteral("Operations"), QStringLiteral("Sales"),
                           QStringLiteral("All*")}));
    const auto grouped =
        testcubes::sql(testcubes::budgetCube(),
                       QStringLiteral("SELECT t.division, f.scenario_id, SUM(amount), COUNT(*), AVG(utilisation), "
                                      "COUNT(DISTINCT f.team_id) FROM budget_fact f JOIN budget_team t USING (team_id) "
                                      "GROUP BY 1, 2 ORDER BY 1, 2"));
    ASSERT_EQ(grouped.size(), 6);
    for (int i = 0; i < 6; ++i)
        expectCells(cells, i / 2, i % 2, grouped[i], 2);
    const auto byScenario = testcubes::sql(
        testcubes::budgetCube(),
        QStringLiteral("SELECT SUM(amount), COUNT(*), AVG(utilisation), COUNT(DISTINCT team_id) FROM budget_fact "
                       "GROUP BY scenario_id ORDER BY scenario_id"));
    expectCells(cells, 3, 0, byScenario[0]);
    expectCells(cells, 3, 1, byScenario[1]);
    const auto total = testcubes::sql(
        testcubes::budgetCube(),
        QStringLiteral("SELECT SUM(amount), COUNT(*), AVG(utilisation), COUNT(DISTINCT team_id) FROM budget_fact"));
    expectCells(cells, 3, 2, total[0]);
    EXPECT_EQ(budget->schema().measures[2].numberFormat, QStringLiteral("Percent"));
    EXPECT_EQ(budget->schema().hierarchies[2].levels[0].caption, QStringLiteral("Account Type"));
}

TEST(MemoryCube, TwoHierarchiesOfOneDimensionCrossCorrectly)
{
    // A second hierarchy over the month table: the months of all years together.
    const QString path = testcubes::buildCube(
        QStringLiteral("Sales"),
        QStringLiteral("INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) "
                       "VALUES ('Sales', 'Month of Year', 'Month of Year', 'Time', 5);"
                       "INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column) "
                       "VALUES ('Sales', 'Month of Year', 1, 'Month', 'Month', 'month', 'month_name');"));
    auto cube = open(path);
    PivotQuery q;
    q.rows.fields = {field("Time")};
    q.columns.fields = {field("Month of Year")};
    q.filters = {
        {QStringLiteral("Month of Year"), {MemberPath{{QStringLiteral("2")}}, MemberPath{{QStringLiteral("11")}}}}};
    q.measures = {QStringLiteral("Revenue"), QStringLiteral("Customers")};
    const CellSet cells = cube->query(q);
    ASSERT_EQ(cells.rows.size(), 5);
    ASSERT_EQ(cells.columns.size(), 3);
    EXPECT_EQ(cells.columns[1].members[0].member.caption, QStringLiteral("November"));
    const auto expected = testcubes::sql(
        path,
        QStringLiteral("SELECT m.year, m.month, SUM(revenue), COUNT(DISTINCT customer_id) FROM sales_fact f "
                       "JOIN sales_month m USING (month_id) WHERE m.month IN (2, 11) GROUP BY 1, 2 ORDER BY 1, 2"));
    ASSERT_EQ(expected.size(), 8);
    for (int i = 0; i < 8; ++i)
        expectCells(cells, i / 2, i % 2, expected[i], 2);
}
