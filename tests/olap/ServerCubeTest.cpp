#include "LargeCube.h"
#include "SampleCubes.h"

#include "olap/AnswerLimits.h"
#include "olap/Catalog.h"
#include "olap/Connection.h"
#include "olap/CubeProvider.h"
#include "olap/PgConnection.h"
#include "olap/ServerSql.h"
#include "olap/SqliteDatabase.h"
#include "platform/VbError.h"
#include "support/CatalogLock.h"
#include "support/RaisedError.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QThread>
#include <future>
#include <gtest/gtest.h>

using namespace olap;

using testcubes::field;
using testcubes::path;

namespace {

const QString kAppName = QStringLiteral("\"Tessaline Tool for Excel - Zelbrin Outlook Solutions\"");

QString serverString(const QString& catalog, const QString& appName = kAppName)
{
    QString s = QStringLiteral("Provider=MSOLAP.4;Persist Security Info=True;TimeOut=100;ShowHiddenCubes=True;"
                               "SspropInitAppName=%1;Data Source=%2")
                    .arg(appName, qEnvironmentVariable("PGHOST"));
    if (!catalog.isEmpty())
        s += QStringLiteral(";Initial Catalog=") + catalog;
    return s;
}

// Creates the catalog `name` once per server by `create` (which returns what went wrong, if
// anything); parallel test processes wait for each other on a lock file.
bool ensureCatalog(const QString& name, const std::function<QString()>& create)
{
    QLockFile lock(catalogLockPath());
    if (!lock.lock())
        return false;
    Connection cn;
    cn.Open(serverString(QString()));
    Recordset rs = cn.OpenSchema(Connection::adSchemaCatalogs);
    bool exists = false;
    for (; !rs.Eof(); rs.MoveNext())
        exists = exists || rs.Fields(QStringLiteral("CATALOG_NAME")).toString() == name;
    if (exists)
        return true;
    const QString failure = create();
    if (!failure.isEmpty())
        ADD_FAILURE() << failure.toStdString();
    return failure.isEmpty();
}

// Runs a command to its end; what it wrote to standard error when it failed.
QString run(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(300000);
    return process.exitCode() == 0 ? QString() : QString::fromUtf8(process.readAllStandardError()) + program;
}

// The sample catalog, created by the project's script.
QString sampleCatalog()
{
    static QString name;
    const QString candidate = QStringLiteral("tessaline_test_samples");
    if (name.isEmpty() && ensureCatalog(candidate, [&] {
            return run(QStringLiteral("bash"),
                       {QStringLiteral(TESSALINE_SOURCE_DIR "/scripts/create-sample-catalog.sh"), candidate});
        }))
        name = candidate;
    return name;
}

// A catalog made of the metadata tables of a cube file and `cubeSql`; "" when it cannot be made.
QString catalogFromSql(const QString& candidate, const QString& cubeSql)
{
    if (!ensureCatalog(candidate, [&] {
            QFile metadata(QStringLiteral(TESSALINE_EXAMPLES "/cubes/cube-file.sql"));
            metadata.open(QIODevice::ReadOnly);
            QByteArray sql = "CREATE SCHEMA olap; SET search_path = olap;\n";
            for (const QByteArray& line : metadata.readAll().split('\n'))
                sql += line.startsWith("PRAGMA") ? QByteArray() : line + '\n';
            sql += "SET search_path = public, olap;\n" + cubeSql.toUtf8();
            const QStringList psql{QStringLiteral("-X"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                                   QStringLiteral("-q"), QStringLiteral("-d")};
            const QString created = run(QStringLiteral("psql"),
                                        psql
                                            + QStringList{QStringLiteral("postgres"), QStringLiteral("-c"),
                                                          QStringLiteral("CREATE DATABASE ") + candidate});
            return created.isEmpty() ? run(QStringLiteral("psql"), psql + QStringList{candidate}, sql) : created;
        }))
        return QString();
    return candidate;
}

// A small cube whose products partly lack a category: members with an empty (NULL) key.
QString nullKeySql()
{
    return QString::fromUtf8(
        "CREATE TABLE shop_product (product_id INTEGER PRIMARY KEY, category TEXT, product TEXT);\n"
        "INSERT INTO shop_product VALUES (1, 'Fruit', 'Apple'), (2, NULL, 'Mystery'), (3, NULL, 'Gadget');\n"
        "CREATE TABLE shop_fact (product_id INTEGER NOT NULL, amount DOUBLE PRECISION NOT NULL);\n"
        "INSERT INTO shop_fact VALUES (1, 10), (2, 20), (3, 30), (3, 5);\n"
        "INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('Shop', 'Shop', 'shop_fact', 1);\n"
        "INSERT INTO olap_dimension (cube, name, caption, dim_table, dim_key, fact_key) VALUES "
        "('Shop', 'Product', 'Product', 'shop_product', 'product_id', 'product_id');\n"
        "INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES "
        "('Shop', 'Product', 'Product', 'Product', 1);\n"
        "INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, "
        "sort_column) VALUES ('Shop', 'Product', 1, 'Category', 'Category', 'category', NULL, NULL), "
        "('Shop', 'Product', 2, 'Product', 'Product', 'product_id', 'product', NULL);\n"
        "INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) "
        "VALUES ('Shop', 'Amount', 'Amount', 'amount', 'sum', '#,##0', 1);\n");
}

QString nullKeyCatalog()
{
    static const QString name = catalogFromSql(QStringLiteral("tessaline_test_null_keys"), nullKeySql());
    return name;
}

// Keys that text-based SQL gets wrong: NULL beside '' (one empty member), backslashes, quotes
// and array punctuation; column names holding "%1" and "%2". SQLite and PostgreSQL both run it.
QString awkwardKeysSql()
{
    return QString::fromUtf8(R"(
CREATE TABLE odd_item (item_id INTEGER PRIMARY KEY, "group%1" TEXT, "name%2" TEXT);
INSERT INTO odd_item VALUES (1, NULL, 'n1'), (2, '', 'n2'), (3, 'back\slash', 'n3'), (4, 'ends\', 'n4'),
  (5, 'say "hi"', 'n5'), (6, '{a,b}', 'n6'), (7, 'plain', 'n7'), (8, '', 'n8'), (9, NULL, 'n9');
CREATE TABLE odd_fact (item_id INTEGER, "amount%1" DOUBLE PRECISION, "who%2" INTEGER);
INSERT INTO odd_fact WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 900)
  SELECT i % 9 + 1, i, i % 37 FROM n;
INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('Odd', 'Odd', 'odd_fact', 1);
INSERT INTO olap_dimension (cube, name, caption, dim_table, dim_key, fact_key) VALUES
  ('Odd', 'Item', 'Item', 'odd_item', 'item_id', 'item_id');
INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES ('Odd', 'Item', 'Item', 'Item', 1);
INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, sort_column) VALUES
  ('Odd', 'Item', 1, 'Group', 'Group', 'group%1', NULL, NULL),
  ('Odd', 'Item', 2, 'Item', 'Item', 'item_id', 'name%2', NULL);
INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) VALUES
  ('Odd', 'Amount', 'Amount', 'amount%1', 'sum', '#,##0', 1),
  ('Odd', 'Who', 'Who', 'who%2', 'distinct count', '#,##0', 2);
)");
}

// A session of its own on the test server, for what the program never does (ending sessions).
PgConnection adminSession()
{
    return PgConnection(DataSource::fromConnectionString(ConnectionString::parse(serverString(QString()))));
}

// The generated large cube, on the server.
QString largeCatalog()
{
    static const QString name = catalogFromSql(QStringLiteral("tessaline_test_large"), largecube::sql());
    return name;
}

class ServerCube : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("PGHOST"))
            GTEST_SKIP() << "no test server (scripts/test-postgres.sh start sets PGHOST)";
        m_catalog = sampleCatalog();
        ASSERT_FALSE(m_catalog.isEmpty());
    }
    QString m_catalog;
};

void expectSameCellSets(const CellSet& server, const CellSet& file)
{
    ASSERT_EQ(server.rows.size(), file.rows.size());
    ASSERT_EQ(server.columns.size(), file.columns.size());
    const auto sameTuples = [](const QVector<Tuple>& a, const QVector<Tuple>& b) {
        for (qsizetype i = 0; i < a.size(); ++i) {
            for (qsizetype f = 0; f < a[i].members.size(); ++f) {
                EXPECT_EQ(a[i].members[f].member.path, b[i].members[f].member.path) << "tuple " << i;
                EXPECT_EQ(a[i].members[f].member.caption, b[i].members[f].member.caption);
                EXPECT_EQ(a[i].members[f].isTotal, b[i].members[f].isTotal);
            }
        }
    };
    sameTuples(server.rows, file.rows);
    sameTuples(server.columns, file.columns);
    ASSERT_EQ(server.values.size(), file.values.size());
    for (size_t i = 0; i < server.values.size(); ++i) {
        const CellValue& s = server.values[i];
        const CellValue& f = file.values[i];
        ASSERT_EQ(s.hasValue(), f.hasValue()) << "value " << i;
        // Whole numbers to the last digit; a sum of doubles may differ by the order it was added in.
        // A whole number in the file is one on the server; the server may give a whole sum of
        // doubles that the file keeps as a double.
        if (f.isWhole()) {
            EXPECT_TRUE(s.isWhole()) << "value " << i;
        }
        if (s.isWhole() && f.isWhole()) {
            EXPECT_EQ(s.toWhole(), f.toWhole()) << "value " << i;
        } else if (s) {
            EXPECT_NEAR(s.toDouble(), f.toDouble(), 1e-6 * std::max(1.0, std::abs(f.toDouble()))) << "value " << i;
        }
    }
}

}

TEST_F(ServerCube, ConnectionObjectsAnswerForTheServer)
{
    Connection cn;
    cn.Open(serverString(m_catalog), QString(), QString(), -1);
    EXPECT_EQ(cn.DefaultDatabase(), m_catalog);
    EXPECT_EQ(cn.Provider(), QStringLiteral("MSOLAP.4"));
    Catalog cat;
    cat.setActiveConnection(&cn);
    const QVector<CubeDef> defs = cat.CubeDefs();
    ASSERT_EQ(defs.size(), 2);
    EXPECT_EQ(defs[0].Name, QStringLiteral("Sales"));
    EXPECT_EQ(defs[1].Name, QStringLiteral("Budget"));

    Connection listing;
    listing.Open(serverString(QString()));
    QStringList catalogs;
    for (Recordset rs = listing.OpenSchema(1); !rs.Eof(); rs.MoveNext())
        catalogs << rs.Fields(QStringLiteral("CATALOG_NAME")).toString();
    EXPECT_TRUE(catalogs.contains(m_catalog));
    EXPECT_TRUE(catalogs.contains(QStringLiteral("postgres")));
    EXPECT_FALSE(catalogs.contains(QStringLiteral("template0")));
    QStringList sorted = catalogs;
    sorted.sort();
    EXPECT_EQ(catalogs, sorted);
    // A catalog without cube metadata simply has no cubes.
    Catalog empty;
    empty.setActiveConnection(&listing);
    EXPECT_TRUE(empty.CubeDefs().isEmpty());
    EXPECT_EQ(dataMemberStrings(serverString(m_catalog)),
              (QStringList{QStringLiteral("Sales"), QStringLiteral("Budget")}));
}

TEST_F(ServerCube, FailuresAreProviderErrors)
{
    EXPECT_EQ(errorOf([&] { Connection().Open(serverString(QStringLiteral("no_such_catalog"))); }),
              platform::err::Unspecified);
    EXPECT_EQ(errorOf([&] {
                  Connection().Open(
                      QStringLiteral("Provider=MSOLAP;Data Source=/nonexistent/socket/dir;Initial Catalog=x"));
              }),
              platform::err::Unspecified);
    EXPECT_EQ(errorOf([&] { openCube(serverString(m_catalog), QStringLiteral("Nope")); }), platform::err::Unspecified);
    // A catalog name made to look like more keywords stays one (missing) database name.
    try {
        Connection().Open(serverString(QStringLiteral("\"x;Data Source=evil\"")));
        FAIL() << "opened";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), platform::err::Unspecified);
        EXPECT_TRUE(e.description().contains(QStringLiteral("x;Data Source=evil"))) << e.what();
    }
}

TEST_F(ServerCube, GroupedQueriesEqualTheCubeFile)
{
    auto server = openCube(serverString(m_catalog), QStringLiteral("Sales"));
    auto file = openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + testcubes::salesCube(), QString());
    EXPECT_EQ(server->schema().measures.size(), file->schema().measures.size());

    const QStringList measures{QStringLiteral("Revenue"), QStringLiteral("Order Lines"),
                               QStringLiteral("Average Discount"), QStringLiteral("Customers"),
                               QStringLiteral("Smallest Line")};
    std::vector<PivotQuery> queries(5);
    queries[0].rows.fields = {field("Geography", 1)};
    queries[0].columns.fields = {field("Time")};
    AxisField time = field("Time");
    time.expanded = {path({"2022"}), path({"2022", "3"})};
    queries[1].rows.fields = {field("Product"), field("Channel")};
    queries[1].columns.fields = {time};
    queries[1].filters = {{QStringLiteral("Geography"), {path({"2", "PL"}), path({"1", "SE", "1"})}}};
    AxisField cities = field("Geography", 2);
    queries[2].rows.fields = {cities};
    queries[2].rows.showEmpty = true;
    queries[2].rows.sortByMeasure = 3;
    queries[2].rows.sortByValue = SortOrder::Descending;
    queries[2].filters = {{QStringLiteral("Channel"), {path({"3"})}}};
    queries[3].columns.fields = {field("Channel")};
    queries[3].columns.subtotals = false;
    AxisField countries = field("Geography", 1);
    countries.collapsed = {path({"3"})};
    countries.expanded = {path({"1", "SE"})};
    queries[4].rows.fields = {countries, field("Time", 1)};
    queries[4].rows.sortByLabel = SortOrder::Ascending;
    queries[4].columns.fields = {field("Product", 1)};
    for (size_t i = 0; i < queries.size(); ++i) {
        SCOPED_TRACE(i);
        queries[i].measures = measures;
        expectSameCellSets(server->query(queries[i]), file->query(queries[i]));
    }

    const QVector<Member> a = server->members(QStringLiteral("Geography"), 2, {}, QStringLiteral("ó"));
    const QVector<Member> b = file->members(QStringLiteral("Geography"), 2, {}, QStringLiteral("ó"));
    ASSERT_EQ(a.size(), b.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i].caption, b[i].caption);

    const DetailRows fromServer = server->details(queries[1], 0, 0, 50);
    const DetailRows fromFile = file->details(queries[1], 0, 0, 50);
    EXPECT_EQ(fromServer.columns, fromFile.columns);
    EXPECT_EQ(fromServer.rows.size(), fromFile.rows.size());
    EXPECT_EQ(fromServer.truncated, fromFile.truncated);
}

TEST_F(ServerCube, MemberKeysReachTheServerOnlyAsParameters)
{
    auto server = openCube(serverString(m_catalog), QStringLiteral("Budget"));
    PivotQuery q;
    q.rows.fields = {field("Organisation")};
    q.measures = {QStringLiteral("Amount")};
    q.filters = {{QStringLiteral("Organisation"), {path({"Sales"}), path({"x') OR TRUE; --", "'"})}}};
    const CellSet filtered = server->query(q);
    ASSERT_EQ(filtered.rows.size(), 2);   // Sales and the grand total
    q.filters = {{QStringLiteral("Organisation"), {path({"'; DROP TABLE budget_fact; --"})}}};
    const CellSet none = server->query(q);
    EXPECT_FALSE(none.value(int(none.rows.size()) - 1, 0, 0).has_value());
    q.filters.clear();
    EXPECT_EQ(server->query(q).rows.size(), 4);
}

TEST_F(ServerCube, MembersWithAnEmptyKeyFilterAndShowTheirFacts)
{
    const QString catalog = nullKeyCatalog();
    ASSERT_FALSE(catalog.isEmpty());
    auto server = openCube(serverString(catalog), QStringLiteral("Shop"));
    PivotQuery q;
    q.rows.fields = {field("Product")};
    q.measures = {QStringLiteral("Amount")};
    const CellSet all = server->query(q);
    ASSERT_EQ(all.rows.size(), 3);   // the empty category, Fruit, the total
    const int empty = all.rows[0].members[0].member.path == path({""}) ? 0 : 1;
    ASSERT_EQ(all.rows[empty].members[0].member.path, path({""}));
    EXPECT_EQ(all.value(empty, 0, 0), 55.0);

    q.filters = {{QStringLiteral("Product"), {path({""})}}};
    const CellSet filtered = server->query(q);
    ASSERT_EQ(filtered.rows.size(), 2);
    EXPECT_EQ(filtered.value(1, 0, 0), 55.0);
    EXPECT_EQ(server->details(q, 0, 0, 10).rows.size(), 3);
}

// Typed key comparisons, arrays of several members, the empty member and only the grouping
// sets the query shows, against plain SQL over the same data in a cube file.
TEST_F(ServerCube, LargeCubeEqualsSqlWithAndWithoutTotalsAndFilters)
{
    const QString catalog = largeCatalog();
    ASSERT_FALSE(catalog.isEmpty());
    auto server = openCube(serverString(catalog), QStringLiteral("Large"));
    PivotQuery q;
    q.rows.fields = {field("Item", 1), field("Place")};
    q.columns.fields = {field("Kind")};
    q.measures = largecube::measures();
    largecube::expectEqualsSql(server->query(q), q);

    q.rows.subtotals = q.rows.grandTotal = q.columns.subtotals = q.columns.grandTotal = false;
    q.filters = {{QStringLiteral("Kind"), {path({"k2"}), path({"k5"})}},
                 {QStringLiteral("Place"), {path({""}), path({"R1", "1"}), path({"R1", "6"}), path({"R2", "2"})}}};
    const CellSet filtered = server->query(q);
    for (const Tuple& t : filtered.rows)
        ASSERT_FALSE(t.members[0].isTotal || t.members[1].isTotal);
    largecube::expectEqualsSql(
        filtered, q, QStringLiteral("c.c_name IN ('k2', 'k5') AND (b.b_region IS NULL OR b.b_id IN (1, 6, 2))"));

    q.rows.fields = {field("Place", 1)};
    q.rows.sortByMeasure = 5;   // Tags
    q.rows.sortByValue = SortOrder::Ascending;
    q.filters = {{QStringLiteral("Place"), {path({""})}}};
    const CellSet sorted = server->query(q);
    largecube::expectEqualsSql(sorted, q, QStringLiteral("b.b_region IS NULL"));
    auto file = openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + largecube::cubeFile(), QString());
    expectSameCellSets(sorted, file->query(q));

    // Without totals only the innermost levels are grouped; their parents still head the rows.
    q = {};
    q.rows.fields = {field("Kind"), field("Place", 1)};
    q.columns.fields = {field("Item")};
    q.rows.subtotals = q.rows.grandTotal = q.columns.subtotals = q.columns.grandTotal = false;
    q.measures = largecube::measures();
    largecube::expectEqualsSql(server->query(q), q);
    expectSameCellSets(server->query(q), file->query(q));
}

// The server's sums of a bigint column are numerics, which keep every digit: they give the cube
// file's cells exactly, whole to the last digit, and the same nearest double past 64 bits.
TEST_F(ServerCube, WholeNumbersNearSixtyFourBitsGiveTheCubeFilesCellsExactly)
{
    const QString catalog =
        catalogFromSql(QStringLiteral("tessaline_test_big_wholes"), testcubes::bigWholeNumbersSql());
    ASSERT_FALSE(catalog.isEmpty());
    auto server = openCube(serverString(catalog), QStringLiteral("Big"));
    auto file = openCube(QStringLiteral("Provider=MSOLAP.4;data source=")
                             + testcubes::buildCubeFromSql(QStringLiteral("Big"), testcubes::bigWholeNumbersSql()),
                         QString());
    PivotQuery q;
    q.rows.fields = {field("Group")};
    q.measures = QStringList{QStringLiteral("Total"), QStringLiteral("Least"), QStringLiteral("Most"),
                             QStringLiteral("Facts"), QStringLiteral("Mean")};
    const CellSet fromServer = server->query(q);
    const CellSet fromFile = file->query(q);
    expectSameCellSets(fromServer, fromFile);
    for (int r = 0; r < fromFile.rows.size(); ++r) {
        for (int m = 0; m < 4; ++m)
            EXPECT_EQ(fromServer.cell(r, 0, m), fromFile.cell(r, 0, m)) << "row " << r << ", measure " << m;
    }
    EXPECT_EQ(fromServer.cell(2, 0, 0), CellValue::whole(9007199254740994));
    EXPECT_FALSE(fromServer.cell(0, 0, 0).isWhole());
}

TEST_F(ServerCube, FactsWithoutADimensionRowCountNowhereAsInTheCubeFile)
{
    // In the second shop only products have such facts: its store table is joined only where shown.
    const struct
    {
        const char* catalog;
        QString sql;
        double total;
    } shops[] = {{"tessaline_test_orphan_facts", testcubes::shopWithOrphanFactsSql(), 50001.0},
                 {"tessaline_test_orphan_products", testcubes::shopWithOrphanProductsSql(), 50002.0}};
    for (const auto& shop : shops) {
        SCOPED_TRACE(shop.catalog);
        const QString catalog = catalogFromSql(QString::fromLatin1(shop.catalog), shop.sql);
        ASSERT_FALSE(catalog.isEmpty());
        auto server = openCube(serverString(catalog), QStringLiteral("Shop"));
        auto file = openCube(QStringLiteral("Provider=MSOLAP.4;data source=")
                                 + testcubes::buildCubeFromSql(QStringLiteral("Shop"), shop.sql),
                             QString());
        const std::vector<PivotQuery> layouts = testcubes::shopLayouts();
        for (size_t i = 0; i < layouts.size(); ++i) {
            SCOPED_TRACE(i);
            const CellSet cells = server->query(layouts[i]);
            const double total = i == 5 ? 50001.0 : shop.total;   // the last layout keeps stores 1 and 2 only
            EXPECT_EQ(cells.value(int(cells.rows.size()) - 1, int(cells.columns.size()) - 1, 0), total);
            expectSameCellSets(cells, file->query(layouts[i]));
        }
    }
}

namespace {

// A cube file read as a server cube reads its catalog, for the statements the server would get.
struct StatementsOnFile
{
    explicit StatementsOnFile(const QString& path) : db(path)
    {
        const SqlRunner run = [this](const QString& sql, const QStringList& params) { return db.rows(sql, params); };
        cube = readCubeDefinition(run, QString(), readCubeNames(run, QString()).front());
        keys = readServerKeys(run, cube);
    }

    QString pivotSql(PivotQuery q, const QString& measure) const
    {
        q.measures = {measure};
        QStringList params;
        return ServerSql(cube, keys).pivotQuery(QueryPlan::build(cube, keys.indexes, q), q, params);
    }

    // The dimension tables of the pivot query of `q` with their aliases, as they are joined.
    QStringList joins(const PivotQuery& q, const QString& measure) const
    {
        QStringList joined;
        for (const auto& m :
             QRegularExpression(QStringLiteral(" JOIN (\\S+ h\\d+) ON ")).globalMatch(pivotSql(q, measure)))
            joined << m.captured(1);
        return joined;
    }

    // How many groupings the pivot query of `q` asks the server for.
    qsizetype groupings(const PivotQuery& q, const QString& measure) const
    {
        const QString sql = pivotSql(q, measure);
        if (!sql.contains(QStringLiteral("GROUPING SETS")))
            return sql.contains(QStringLiteral(" GROUP BY ")) ? 1 : 0;
        return sql.count(QStringLiteral("), (")) + 1;
    }

    SqliteDatabase db;
    CubeDefinition cube;
    ServerKeys keys;
};

}

TEST(ServerSql, PivotQueriesJoinOnlyTheDimensionsTheyUseOrWhoseFactsLackARow)
{
    const StatementsOnFile sales(testcubes::salesCube());
    EXPECT_EQ(sales.keys.unmatched, std::vector<bool>(4, false));
    const QString revenue = QStringLiteral("Revenue");
    PivotQuery q;
    EXPECT_EQ(sales.joins(q, revenue), QStringList());
    q.rows.fields = {field("Geography", 1)};
    q.filters = {{QStringLiteral("Channel"), {path({"3"})}}};
    EXPECT_EQ(sales.joins(q, revenue),
              (QStringList{QStringLiteral("\"sales_city\" h1"), QStringLiteral("\"sales_channel\" h3")}));

    // Item is a second hierarchy of the product dimension: one join of either drops the same facts.
    const QString item = QStringLiteral(
        "INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES ('Shop', 'Item', 'Item', "
        "'Product', 3);\n"
        "INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, sort_column)\n"
        "  VALUES ('Shop', 'Item', 1, 'Item', 'Item', 'product', NULL, NULL);\n");
    const StatementsOnFile shop(
        testcubes::buildCubeFromSql(QStringLiteral("Shop"), testcubes::shopWithOrphanProductsSql() + item));
    EXPECT_EQ(shop.keys.unmatched, (std::vector<bool>{true, false, true}));
    const QString amount = QStringLiteral("Amount");
    const QString product = QStringLiteral("\"shop_product\" h0");
    const QString store = QStringLiteral("\"shop_store\" h1");
    q = {};
    EXPECT_EQ(shop.joins(q, amount), QStringList{product});
    q.rows.fields = {field("Store")};
    EXPECT_EQ(shop.joins(q, amount), (QStringList{product, store}));
    q.rows.fields = {field("Item")};
    EXPECT_EQ(shop.joins(q, amount), QStringList{QStringLiteral("\"shop_product\" h2")});
    q.rows.fields.clear();
    q.filters = {{QStringLiteral("Store"), {path({"1"})}}};
    EXPECT_EQ(shop.joins(q, amount), (QStringList{product, store}));

    // A dimension row with a NULL key matches no fact, not even one whose key is NULL.
    const QString nullStore = QStringLiteral("INSERT INTO shop_store VALUES (NULL, 'Nowhere');\n");
    const auto unmatchedOf = [&](const QString& more) {
        return StatementsOnFile(
                   testcubes::buildCubeFromSql(QStringLiteral("Shop"), testcubes::shopWithOrphanProductsSql() + more))
            .keys.unmatched;
    };
    EXPECT_EQ(unmatchedOf(nullStore), (std::vector<bool>{true, false}));
    EXPECT_EQ(unmatchedOf(nullStore + QStringLiteral("INSERT INTO shop_fact VALUES (1, NULL, 5);\n")),
              (std::vector<bool>{true, true}));
    EXPECT_EQ(unmatchedOf(QStringLiteral("DELETE FROM shop_fact;\n")), (std::vector<bool>{false, false}));
}

// Levels above the shown ones are grouped only where the layout shows their totals or sorts by them.
TEST(ServerSql, PivotQueriesGroupOnlyByTheSetsTheLayoutShows)
{
    const StatementsOnFile sales(testcubes::salesCube());
    const QString revenue = QStringLiteral("Revenue");
    PivotQuery q;
    q.rows.fields = {field("Geography", 2), field("Product", 1)};
    q.columns.fields = {field("Time")};
    q.rows.subtotals = q.rows.grandTotal = q.columns.subtotals = q.columns.grandTotal = false;
    EXPECT_EQ(sales.groupings(q, revenue), 1);
    q.rows.subtotals = true;   // regions, countries, cities and categories of each city
    EXPECT_EQ(sales.groupings(q, revenue), 5);
    q.rows.subtotals = false;
    q.rows.sortByMeasure = 0;   // every row level over all columns, the grand total too
    q.rows.sortByValue = SortOrder::Descending;
    EXPECT_EQ(sales.groupings(q, revenue), 7);
    q.rows.sortByValue = SortOrder::None;
    q.rows.fields = {field("Geography", 1)};
    q.rows.fields[0].collapsed = {path({"1"})};   // a region without its countries is no total
    EXPECT_EQ(sales.groupings(q, revenue), 2);
    q.columns.grandTotal = true;
    EXPECT_EQ(sales.groupings(q, revenue), 4);
}

TEST_F(ServerCube, ADimensionKeyThatStandsTwiceRefusesTheCubeNamingTableAndKey)
{
    const QString catalog =
        catalogFromSql(QStringLiteral("tessaline_test_duplicate_keys"), testcubes::shopWithDuplicateKeySql());
    ASSERT_FALSE(catalog.isEmpty());
    // The keys are checked after the cube opens: its queries and member lists fail.
    const auto cube = openCube(serverString(catalog), QStringLiteral("Shop"));
    for (const auto& use : std::vector<std::function<void()>>{[&] { cube->query(testcubes::shopLayouts()[0]); },
                                                              [&] { cube->members(QStringLiteral("Store"), 0); }}) {
        try {
            use();
            ADD_FAILURE() << "a cube with a repeated dimension key answered";
        } catch (const platform::VbError& e) {
            EXPECT_EQ(e.number(), platform::err::Unspecified);
            EXPECT_TRUE(e.description().contains(QStringLiteral("\"shop_store\""))) << e.what();
            EXPECT_TRUE(e.description().contains(QStringLiteral("\"2\""))) << e.what();
            EXPECT_TRUE(e.description().contains(catalog)) << e.what();
        }
    }
}

// Every layout and filter gives the cube file's cells, and rows add up to their total.
TEST_F(ServerCube, AwkwardKeysAndColumnNamesGiveTheCubeFilesCells)
{
    const QString sql = awkwardKeysSql();
    const QString catalog = catalogFromSql(QStringLiteral("tessaline_test_awkward_keys"), sql);
    ASSERT_FALSE(catalog.isEmpty());
    auto server = openCube(serverString(catalog), QStringLiteral("Odd"));
    auto file = openCube(QStringLiteral("Provider=MSOLAP.4;data source=")
                             + testcubes::buildCubeFromSql(QStringLiteral("Odd"), sql),
                         QString());
    const QVector<QVector<MemberPath>> filters{
        {},
        {path({""})},
        {path({""}), path({"plain"})},
        {path({"back\\slash"}), path({"ends\\"}), path({"say \"hi\""}), path({"{a,b}"})},
        {path({"", "2"}), path({"", "9"}), path({"ends\\", "4"}), path({"say \"hi\"", "5"})},
    };
    for (qsizetype i = 0; i < filters.size(); ++i) {
        for (int level : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "filter " << i << ", level " << level);
            PivotQuery q;
            q.rows.fields = {field("Item", level)};
            q.measures = {QStringLiteral("Amount"), QStringLiteral("Who")};
            if (!filters[i].isEmpty())
                q.filters = {{QStringLiteral("Item"), filters[i]}};
            const CellSet cells = server->query(q);
            expectSameCellSets(cells, file->query(q));
            double groups = 0;
            for (qsizetype r = 0; r + 1 < cells.rows.size(); ++r) {
                if (cells.rows[r].members[0].member.path.level() == 0)
                    groups += cells.value(int(r), 0, 0).value_or(0);
            }
            EXPECT_EQ(groups, cells.value(int(cells.rows.size()) - 1, 0, 0).value_or(0));
        }
    }
    PivotQuery q;
    q.rows.fields = {field("Item")};
    q.measures = {QStringLiteral("Amount")};
    ASSERT_EQ(server->query(q).rows.size(), 7);   // '' and NULL are one member
}

TEST_F(ServerCube, KeysTheServerCannotCompareRefuseTheCubeNamingTablesKeysAndReason)
{
    const QString catalog = catalogFromSql(QStringLiteral("tessaline_test_incomparable_keys"), QStringLiteral(R"(
CREATE TABLE mix_shop (shop_id INTEGER PRIMARY KEY, shop TEXT);
INSERT INTO mix_shop VALUES (1, 'One');
CREATE TABLE mix_fact (shop_code TEXT, amount DOUBLE PRECISION);
INSERT INTO mix_fact VALUES ('1', 5);
INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('Mix', 'Mix', 'mix_fact', 1);
INSERT INTO olap_dimension (cube, name, caption, dim_table, dim_key, fact_key) VALUES
  ('Mix', 'Shop', 'Shop', 'mix_shop', 'shop_id', 'shop_code');
INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES ('Mix', 'Shop', 'Shop', 'Shop', 1);
INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, sort_column) VALUES
  ('Mix', 'Shop', 1, 'Shop', 'Shop', 'shop_id', 'shop', NULL);
INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) VALUES
  ('Mix', 'Amount', 'Amount', 'amount', 'sum', '#,##0', 1);
)"));
    ASSERT_FALSE(catalog.isEmpty());
    try {
        openCube(serverString(catalog), QStringLiteral("Mix"))->query(PivotQuery());
        FAIL() << "a cube whose keys cannot be compared answered";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), platform::err::Unspecified);
        EXPECT_FALSE(isServerFailure(e));
        for (const char* named : {"mix_fact", "mix_shop", "\"shop_code\"", "\"shop_id\"", "operator does not exist"})
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(named))) << e.what();
    }
}

// A restarted server ends every session: the next statement opens a new one, once. A server
// that cannot be reached is named so, one that refuses says why.
TEST_F(ServerCube, ADroppedSessionIsOpenedAgainAndAnUnreachableServerIsNamedSo)
{
    const QString appName = QStringLiteral("tessaline-dropped-session");
    auto server = openCube(serverString(m_catalog, appName), QStringLiteral("Sales"));
    PivotQuery q;
    q.rows.fields = {field("Channel")};
    q.measures = {QStringLiteral("Revenue")};
    const CellSet before = server->query(q);
    PgConnection admin = adminSession();
    const auto ended = admin.rows(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                                 "WHERE application_name = $1"),
                                  {appName});
    ASSERT_EQ(ended.size(), 1);
    for (QElapsedTimer waited; !waited.isValid() || waited.elapsed() < 10000;) {
        if (!waited.isValid())
            waited.start();
        if (admin.rows(QStringLiteral("SELECT 1 FROM pg_stat_activity WHERE application_name = $1"), {appName})
                .isEmpty())
            break;
        QThread::msleep(20);
    }
    const CellSet after = server->query(q);
    ASSERT_EQ(after.values.size(), before.values.size());
    EXPECT_EQ(after.values, before.values);

    try {
        openCube(QStringLiteral("Provider=MSOLAP.4;Data Source=/nonexistent/socket/dir;Initial Catalog=x"), QString());
        FAIL() << "opened";
    } catch (const platform::VbError& e) {
        EXPECT_TRUE(isServerFailure(e));
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("The cube server cannot be reached: "))) << e.what();
    }
    try {
        openCube(serverString(QStringLiteral("no_such_catalog")), QString());
        FAIL() << "opened";
    } catch (const platform::VbError& e) {
        EXPECT_TRUE(isServerFailure(e));
        EXPECT_FALSE(e.description().contains(QStringLiteral("cannot be reached"))) << e.what();
        EXPECT_TRUE(e.description().contains(QStringLiteral("no_such_catalog"))) << e.what();
    }
}

// A statement whose answer does not come in time is cancelled on the server, and the session
// that waited for it opens again for the next one.
TEST_F(ServerCube, AStatementWithoutAnAnswerIsGivenUpAtTheLimitAndCancelled)
{
    const QString appName = QStringLiteral("tessaline-answer-limit");
    const InstalledAnswerLimits limits({.server = std::chrono::seconds(2)});
    PgConnection session(DataSource::fromConnectionString(ConnectionString::parse(serverString(m_catalog, appName))));
    QElapsedTimer waited;
    waited.start();
    try {
        session.rows(QStringLiteral("SELECT pg_sleep(60)"));
        FAIL() << "answered";
    } catch (const platform::VbError& e) {
        EXPECT_LT(waited.elapsed(), 30000);
        EXPECT_TRUE(isServerFailure(e));
        EXPECT_EQ(e.description(),
                  QStringLiteral("The cube server did not answer within 2 seconds; the query was cancelled."));
    }
    EXPECT_FALSE(session.waitingMs().has_value());
    EXPECT_EQ(session.rows(QStringLiteral("SELECT 7")).value(0).value(0).toString(), QStringLiteral("7"));
    PgConnection admin = adminSession();
    bool sleeping = true;
    for (waited.restart(); sleeping && waited.elapsed() < 20000;) {
        sleeping = !admin
                        .rows(QStringLiteral(
                            "SELECT 1 FROM pg_stat_activity WHERE state = 'active' AND query = 'SELECT pg_sleep(60)'"))
                        .isEmpty();
        QThread::msleep(20);
    }
    EXPECT_FALSE(sleeping) << "the statement given up still runs on the server";
}

// Opening reads the cube's definition only; its keys are read on a thread of their own, which
// queries wait for. A cube dropped while its key read waits gives that read up.
TEST_F(ServerCube, OpeningReturnsWhileItsKeysAreReadAndQueriesWaitForThem)
{
    // The product table is read through a view that waits while a session holds lock 4242.
    const QString catalog = catalogFromSql(QStringLiteral("tessaline_test_held_keys"), nullKeySql() + QStringLiteral(R"(
ALTER TABLE shop_product RENAME TO shop_product_rows;
CREATE FUNCTION held() RETURNS boolean LANGUAGE plpgsql AS $$
BEGIN PERFORM pg_advisory_xact_lock_shared(4242); RETURN true; END $$;
CREATE VIEW shop_product AS SELECT * FROM shop_product_rows WHERE held();
)"));
    ASSERT_FALSE(catalog.isEmpty());
    const QString appName = QStringLiteral("tessaline-held-keys");
    const InstalledAnswerLimits limits({.server = std::chrono::seconds(10)});
    // A session on the catalog itself: advisory locks are the database's own.
    PgConnection admin(DataSource::fromConnectionString(ConnectionString::parse(serverString(catalog))));
    admin.rows(QStringLiteral("SELECT pg_advisory_lock(4242)"));
    // Whether, within 10 s, a session of the cube comes to wait for the lock (or none does).
    const auto keysHeld = [&](bool held = true) {
        QElapsedTimer waited;
        for (waited.start(); waited.elapsed() < 10000; QThread::msleep(20)) {
            const bool waits = !admin
                                    .rows(QStringLiteral("SELECT 1 FROM pg_stat_activity WHERE application_name "
                                                         "= $1 AND wait_event_type = 'Lock'"),
                                          {appName})
                                    .isEmpty();
            if (waits == held)
                return true;
        }
        return false;
    };
    QElapsedTimer dropping;
    {
        const auto dropped = openCube(serverString(catalog, appName), QStringLiteral("Shop"));
        ASSERT_TRUE(keysHeld());
        EXPECT_TRUE(dropped->serverWait().has_value());
        dropping.start();
    }
    EXPECT_LT(dropping.elapsed(), 5000) << "the drop waited for the key read";
    EXPECT_TRUE(keysHeld(false)) << "the key read given up still waits on the server";

    auto cube = openCube(serverString(catalog, appName), QStringLiteral("Shop"));
    EXPECT_EQ(cube->schema().hierarchies.size(), 1);
    ASSERT_TRUE(keysHeld());
    PivotQuery q;
    q.rows.fields = {field("Product")};
    q.measures = {QStringLiteral("Amount")};
    // Stopped waiting for, the key read fails the query in hand; the next one reads them again.
    cube->stopWaiting();
    try {
        cube->query(q);
        ADD_FAILURE() << "a query answered without the keys";
    } catch (const platform::VbError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("stopped waiting"))) << e.what();
    }
    EXPECT_TRUE(keysHeld(false));
    auto answer = std::async(std::launch::async, [&] { return cube->query(q); });
    ASSERT_TRUE(keysHeld()) << "the keys were not read again";
    EXPECT_EQ(answer.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    admin.rows(QStringLiteral("SELECT pg_advisory_unlock(4242)"));
    const CellSet cells = answer.get();
    ASSERT_EQ(cells.rows.size(), 3);   // the empty category, Fruit, the total
    EXPECT_EQ(cells.value(2, 0, 0), 65.0);
    EXPECT_FALSE(cube->serverWait().has_value());
}
