#include "SampleCubes.h"

#include "olap/CubeProvider.h"
#include "platform/VbError.h"

#include <QHash>
#include <gtest/gtest.h>

using namespace olap;

namespace {

// A dimension and a fact table whose key columns are declared with the given types (SQLite
// converts what it stores by them), the one level named by the row's name; each fact's
// value is a power of two, so that a sum tells exactly which facts it took.
QString keyCube(const QString& dimensionType, const QString& factType, const QString& dimensionRows,
                const QString& factKeys)
{
    QStringList facts;
    const QStringList keys = factKeys.split(QLatin1Char('|'));
    for (int i = 0; i < keys.size(); ++i)
        facts << QStringLiteral("(%1, %2)").arg(keys[i]).arg(qint64(1) << i);
    return testcubes::buildCubeFromSql(
        QStringLiteral("Keys"),
        QStringLiteral("CREATE TABLE d (k %1, name TEXT NOT NULL); INSERT INTO d VALUES %3;"
                       "CREATE TABLE f (k %2, v INTEGER); INSERT INTO f VALUES %4;"
                       "INSERT INTO olap_cube (name, fact_table) VALUES ('Keys', 'f');"
                       "INSERT INTO olap_dimension (cube, name, dim_table, dim_key, fact_key) "
                       "  VALUES ('Keys', 'K', 'd', 'k', 'k');"
                       "INSERT INTO olap_hierarchy (cube, name, dimension, ordinal) VALUES ('Keys', 'K', 'K', 1);"
                       "INSERT INTO olap_level (cube, hierarchy, depth, name, key_column) "
                       "  VALUES ('Keys', 'K', 1, 'Name', 'name');"
                       "INSERT INTO olap_measure (cube, name, column_name, aggregate, ordinal) VALUES"
                       "  ('Keys', 'Value', 'v', 'sum', 1), ('Keys', 'Lines', NULL, 'count', 2);")
            .arg(dimensionType, factType, dimensionRows, facts.join(QStringLiteral(", "))));
}

// Each member's value and count, and the grand total under "*".
QHash<QString, QPair<double, double>> totalsByName(const QString& path)
{
    PivotQuery q;
    q.rows.fields = {testcubes::field("K")};
    q.measures = {QStringLiteral("Value"), QStringLiteral("Lines")};
    const CellSet cells = openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + path, QString())->query(q);
    QHash<QString, QPair<double, double>> totals;
    for (int r = 0; r < cells.rows.size(); ++r) {
        const Member& m = cells.rows[r].members[0].member;
        totals.insert(m.path.isAll() ? QStringLiteral("*") : m.caption,
                      {cells.value(r, 0, 0).value_or(-1), cells.value(r, 0, 1).value_or(-1)});
    }
    return totals;
}

// The same from SQLite's own join.
QHash<QString, QPair<double, double>> joinedByName(const QString& path)
{
    QHash<QString, QPair<double, double>> totals;
    for (const auto& row : testcubes::sql(path,
                                          QStringLiteral("SELECT d.name, SUM(f.v), COUNT(*) FROM f JOIN d "
                                                         "ON d.k = f.k GROUP BY d.name UNION ALL SELECT '*', "
                                                         "SUM(f.v), COUNT(*) FROM f JOIN d ON d.k = f.k")))
        totals.insert(row[0].toString(), {row[1].toDouble(), row[2].toDouble()});
    return totals;
}

const QString kDimensionRows =
    QStringLiteral("(1, 'int 1'), ('2', 'text 2'), (3.0, 'real 3'), (2.5, 'real 2.5'), ('', 'empty'), ('x', 'x'), "
                   "(' 7 ', 'spaced 7'), ('1e1', 'text 1e1'), (9007199254740993, 'big'), (NULL, 'null'), ('A', 'A')");
const QString kFactKeys = QStringLiteral("1|'1'|1.0|'01'|2|'2'|2.0|3|'3'|'3.0'|3.0|2.5|'2.5'|''|NULL|'x'|7|' 7 '|'7'|"
                                         "10|'1e1'|9007199254740993|9007199254740992|9007199254740992.0|'A'|X'41'");

}

// Keys of every type in columns declared every way: each fact counts for the dimension row
// that SQLite's own join gives it (converting by the declared types), and nowhere else.
TEST(CubeFileKeys, FactsJoinTheRowsThatSqlitesJoinGivesThem)
{
    const std::pair<const char*, const char*> types[] = {
        {"", ""},         {"INTEGER", ""},     {"", "INTEGER"},     {"TEXT", ""},
        {"", "TEXT"},     {"INTEGER", "TEXT"}, {"TEXT", "INTEGER"}, {"REAL", "TEXT"},
        {"TEXT", "TEXT"}, {"NUMERIC", "BLOB"},
    };
    for (const auto& [dimension, fact] : types) {
        SCOPED_TRACE(std::string("dimension key ") + dimension + ", fact key " + fact);
        const QString path = keyCube(QLatin1String(dimension), QLatin1String(fact), kDimensionRows, kFactKeys);
        const auto joined = joinedByName(path);
        ASSERT_GT(joined.size(), 3);
        EXPECT_EQ(totalsByName(path), joined);
    }
}

// Integer 1 and text '1' are two keys while the join keeps them apart; where the declared
// types make them one, a fact of that key would count twice, and the cube is refused.
TEST(CubeFileKeys, OneAndTextOneAreTwoKeysUnlessTheJoinMakesThemOne)
{
    const QString rows = QStringLiteral("(1, 'int 1'), ('1', 'text 1'), ('', 'empty')");
    const QString facts = QStringLiteral("1|'1'|1.0|NULL|''");
    const QString apart = keyCube(QString(), QString(), rows, facts);
    EXPECT_EQ(totalsByName(apart), joinedByName(apart));
    EXPECT_EQ(totalsByName(apart).value(QStringLiteral("text 1")), qMakePair(2.0, 1.0));
    const QString textFacts = keyCube(QString(), QStringLiteral("TEXT"), rows, facts);
    EXPECT_EQ(totalsByName(textFacts), joinedByName(textFacts));
    for (const char* factType : {"INTEGER", "REAL"}) {
        const QString together = keyCube(QString(), QLatin1String(factType), rows, facts);
        try {
            totalsByName(together);
            FAIL() << factType << ": a key that two rows hold was read";
        } catch (const platform::VbError& e) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("\"d\" holds the key \"1\""))) << e.what();
        }
    }
}
