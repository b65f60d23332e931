#include "LargeCube.h"

#include "SampleCubes.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

namespace largecube {

namespace {

// The level key columns of each hierarchy, top level first.
const QHash<QString, QStringList>& levelKeys()
{
    static const QHash<QString, QStringList> keys{
        {QStringLiteral("Item"), {QStringLiteral("a.a_group"), QStringLiteral("a.a_id")}},
        {QStringLiteral("Place"), {QStringLiteral("b.b_region"), QStringLiteral("b.b_id")}},
        {QStringLiteral("Kind"), {QStringLiteral("c.c_name")}},
    };
    return keys;
}

const char kAggregates[] = "SUM(f.qty), SUM(f.price), COUNT(*), AVG(f.price), COUNT(DISTINCT f.order_id), "
                           "COUNT(DISTINCT f.tag), MAX(f.price), MIN(f.qty), SUM(f.big), MIN(f.big), MAX(f.big), "
                           "AVG(f.big)";

// A field's member path as text: keys joined by '/', '*' for All.
QString pathKey(const olap::Member& m)
{
    return m.path.isAll() ? QStringLiteral("*") : m.path.keys.join(QLatin1Char('/'));
}

QString tupleKey(const olap::Tuple& t)
{
    QStringList parts;
    for (const olap::TupleMember& m : t.members)
        parts << pathKey(m.member);
    return parts.join(QLatin1Char('|'));
}

// The same key in SQL for one axis whose fields are grouped at `depths` (-1: All).
QString sqlKey(const QVector<olap::AxisField>& fields, const QVector<int>& depths, QStringList& groupBy)
{
    QStringList parts;
    for (qsizetype f = 0; f < fields.size(); ++f) {
        if (depths[f] < 0) {
            parts << QStringLiteral("'*'");
            continue;
        }
        QStringList keys;
        for (int level = 0; level <= depths[f]; ++level) {
            const QString column = levelKeys().value(fields[f].hierarchy).value(level);
            groupBy << column;
            keys << QStringLiteral("COALESCE(CAST(%1 AS TEXT), '')").arg(column);
        }
        parts << keys.join(QStringLiteral(" || '/' || "));
    }
    return parts.isEmpty() ? QStringLiteral("''") : parts.join(QStringLiteral(" || '|' || "));
}

// Every combination of depths from -1 to each field's level.
QVector<QVector<int>> depthCombinations(const QVector<olap::AxisField>& fields)
{
    QVector<QVector<int>> result{{}};
    for (const olap::AxisField& f : fields) {
        QVector<QVector<int>> next;
        for (const auto& prefix : result) {
            for (int d = -1; d <= f.level; ++d)
                next.append(prefix + QVector<int>{d});
        }
        result = next;
    }
    return result;
}

bool isLeaf(const QVector<olap::AxisField>& fields, const QVector<int>& depths)
{
    for (qsizetype f = 0; f < fields.size(); ++f) {
        if (depths[f] != fields[f].level)
            return false;
    }
    return true;
}

}

QString sql(int facts)
{
    return QStringLiteral(R"(
CREATE TABLE dim_a (a_id INTEGER PRIMARY KEY, a_group TEXT NOT NULL, a_name TEXT NOT NULL);
INSERT INTO dim_a WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000)
  SELECT i, 'G' || (i % 13), 'Item ' || i FROM n;
CREATE TABLE dim_b (b_id INTEGER PRIMARY KEY, b_region TEXT, b_city TEXT NOT NULL);
INSERT INTO dim_b WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600)
  SELECT i, CASE WHEN i % 7 = 0 THEN NULL ELSE 'R' || (i % 5) END, 'City ' || i FROM n;
CREATE TABLE dim_c (c_id INTEGER PRIMARY KEY, c_name TEXT NOT NULL);
INSERT INTO dim_c VALUES (1, 'k1'), (2, 'k2'), (3, 'k3'), (4, 'k4'), (5, 'k5');
CREATE TABLE facts (a_id INTEGER, b_id INTEGER, c_id INTEGER, qty INTEGER, price DOUBLE PRECISION,
                    order_id INTEGER, tag TEXT, big BIGINT);
INSERT INTO facts WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)
  SELECT (i * 7919) % 1000 + 1, (i * 10477) % 601 + 1, i % 5 + 1, i % 17 - 3,
         CASE WHEN i % 11 = 0 THEN NULL ELSE (i % 100) * 0.25 END, i / 3,
         CASE WHEN i % 13 = 0 THEN NULL ELSE 't' || (i % 997) END,
         CASE WHEN i % 19 = 0 THEN NULL WHEN i % 500 = 0 THEN 72057594037927936 + i
              WHEN i % 500 = 250 THEN -36028797018963968 - 7 * i ELSE CAST(i AS BIGINT) * 1000003 END FROM n;
INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('Large', 'Large', 'facts', 1);
INSERT INTO olap_dimension (cube, name, caption, dim_table, dim_key, fact_key) VALUES
  ('Large', 'Item', 'Item', 'dim_a', 'a_id', 'a_id'),
  ('Large', 'Place', 'Place', 'dim_b', 'b_id', 'b_id'),
  ('Large', 'Kind', 'Kind', 'dim_c', 'c_id', 'c_id');
INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES
  ('Large', 'Item', 'Item', 'Item', 1), ('Large', 'Place', 'Place', 'Place', 2), ('Large', 'Kind', 'Kind', 'Kind', 3);
INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, sort_column) VALUES
  ('Large', 'Item', 1, 'Group', 'Group', 'a_group', NULL, NULL),
  ('Large', 'Item', 2, 'Item', 'Item', 'a_id', 'a_name', NULL),
  ('Large', 'Place', 1, 'Region', 'Region', 'b_region', NULL, NULL),
  ('Large', 'Place', 2, 'City', 'City', 'b_id', 'b_city', NULL),
  ('Large', 'Kind', 1, 'Kind', 'Kind', 'c_name', NULL, NULL);
INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) VALUES
  ('Large', 'Quantity', 'Quantity', 'qty', 'sum', '#,##0', 1),
  ('Large', 'Price', 'Price', 'price', 'sum', '0.00', 2),
  ('Large', 'Lines', 'Lines', NULL, 'count', '#,##0', 3),
  ('Large', 'Average Price', 'Average Price', 'price', 'average', '0.00', 4),
  ('Large', 'Orders', 'Orders', 'order_id', 'distinct count', '#,##0', 5),
  ('Large', 'Tags', 'Tags', 'tag', 'distinct count', '#,##0', 6),
  ('Large', 'Top Price', 'Top Price', 'price', 'max', '0.00', 7),
  ('Large', 'Least Quantity', 'Least Quantity', 'qty', 'min', '#,##0', 8),
  ('Large', 'Big', 'Big', 'big', 'sum', '#,##0', 9),
  ('Large', 'Least Big', 'Least Big', 'big', 'min', '#,##0', 10),
  ('Large', 'Top Big', 'Top Big', 'big', 'max', '#,##0', 11),
  ('Large', 'Average Big', 'Average Big', 'big', 'average', '#,##0', 12);
)")
        .arg(facts);
}

QString cubeFile()
{
    static const QString path = testcubes::buildCubeFromSql(QStringLiteral("Large"), sql());
    return path;
}

QStringList measures()
{
    return {QStringLiteral("Quantity"),      QStringLiteral("Price"),          QStringLiteral("Lines"),
            QStringLiteral("Average Price"), QStringLiteral("Orders"),         QStringLiteral("Tags"),
            QStringLiteral("Top Price"),     QStringLiteral("Least Quantity"), QStringLiteral("Big"),
            QStringLiteral("Least Big"),     QStringLiteral("Top Big"),        QStringLiteral("Average Big")};
}

void expectEqualsSql(const olap::CellSet& cells, const olap::PivotQuery& query, const QString& where)
{
    ASSERT_EQ(cells.measures, measures());
    QHash<QString, QVector<QVariant>> expected;
    QSet<QString> leaves;
    for (const auto& rowDepths : depthCombinations(query.rows.fields)) {
        for (const auto& columnDepths : depthCombinations(query.columns.fields)) {
            QStringList groupBy;
            const QString key = sqlKey(query.rows.fields, rowDepths, groupBy) + QStringLiteral(" || '#' || ")
                + sqlKey(query.columns.fields, columnDepths, groupBy);
            QString statement = QStringLiteral("SELECT %1, %2 FROM facts f JOIN dim_a a ON a.a_id = f.a_id "
                                               "JOIN dim_b b ON b.b_id = f.b_id JOIN dim_c c ON c.c_id = f.c_id")
                                    .arg(key, QLatin1String(kAggregates));
            if (!where.isEmpty())
                statement += QStringLiteral(" WHERE ") + where;
            if (!groupBy.isEmpty())
                statement += QStringLiteral(" GROUP BY ") + groupBy.join(QStringLiteral(", "));
            const bool leaf = isLeaf(query.rows.fields, rowDepths) && isLeaf(query.columns.fields, columnDepths);
            for (const QVector<QVariant>& row : testcubes::sql(cubeFile(), statement)) {
                expected.insert(row[0].toString(), row.mid(1));
                if (leaf)
                    leaves.insert(row[0].toString());
            }
        }
    }
    ASSERT_FALSE(leaves.isEmpty());
    QSet<QString> seen;
    int compared = 0;
    for (qsizetype r = 0; r < cells.rows.size(); ++r) {
        for (qsizetype c = 0; c < cells.columns.size(); ++c) {
            const QString key = tupleKey(cells.rows[r]) + QLatin1Char('#') + tupleKey(cells.columns[c]);
            seen.insert(key);
            const auto want = expected.constFind(key);
            for (qsizetype m = 0; m < cells.measures.size(); ++m) {
                const olap::CellValue& actual = cells.cell(int(r), int(c), int(m));
                if (want == expected.constEnd()) {
                    // No fact at all: only counts of rows would say 0, and they have no cell either.
                    EXPECT_FALSE(actual.hasValue()) << key.toStdString() << " " << m;
                    continue;
                }
                const QVariant& v = (*want)[m];
                if (v.isNull()) {
                    EXPECT_FALSE(actual.hasValue()) << key.toStdString() << " " << m;
                    continue;
                }
                ASSERT_TRUE(actual.hasValue()) << key.toStdString() << " " << cells.measures[m].toStdString();
                // SQLite's sums, counts, minimums and maximums of integers are exact: so must ours be.
                if (v.typeId() == QMetaType::LongLong) {
                    ASSERT_TRUE(actual.isWhole()) << key.toStdString() << " " << cells.measures[m].toStdString();
                    EXPECT_EQ(actual.toWhole(), v.toLongLong())
                        << key.toStdString() << " " << cells.measures[m].toStdString();
                } else {
                    EXPECT_NEAR(actual.toDouble(), v.toDouble(), 1e-9 * std::max(1.0, std::abs(v.toDouble())))
                        << key.toStdString() << " " << cells.measures[m].toStdString();
                }
                ++compared;
            }
        }
    }
    for (const QString& leaf : leaves)
        EXPECT_TRUE(seen.contains(leaf)) << "missing " << leaf.toStdString();
    EXPECT_GT(compared, 0);
}

}
