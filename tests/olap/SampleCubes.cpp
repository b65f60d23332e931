#include "SampleCubes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace testcubes {

namespace {

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

void run(sqlite3* db, const QString& statements)
{
    char* error = nullptr;
    if (sqlite3_exec(db, statements.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << "SQL failed: " << (error ? error : "?");
        sqlite3_free(error);
    }
}

}

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

QString buildCubeFromSql(const QString& name, const QString& cubeSql)
{
    static int serial = 0;
    const QString path = folder() + QStringLiteral("/%1-%2.cub").arg(name).arg(++serial);
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    run(db, readText(QStringLiteral(TESSALINE_EXAMPLES "/cubes/cube-file.sql")) + cubeSql);
    sqlite3_close(db);
    return path;
}

QString buildCube(const QString& name, const QString& extraSql)
{
    return buildCubeFromSql(
        name, readText(QStringLiteral(TESSALINE_EXAMPLES "/cubes/") + name + QStringLiteral(".sql")) + extraSql);
}

namespace {

QString shopSql(const QString& extraStore)
{
    return QStringLiteral(
               "CREATE TABLE shop_product (product_id INTEGER, category TEXT, product TEXT);\n"
               "INSERT INTO shop_product VALUES (1, 'Fruit', 'Apple'), (2, 'Fruit', 'Pear'), (3, 'Tools', 'Saw');\n"
               "CREATE TABLE shop_store (store_id INTEGER, city TEXT);\n"
               "INSERT INTO shop_store VALUES (1, 'Oslo'), (2, 'Bergen')%1;\n"
               "CREATE TABLE shop_fact (product_id INTEGER, store_id INTEGER, amount DOUBLE PRECISION);\n"
               "INSERT INTO shop_fact VALUES (1, 1, 10000), (2, 1, 20000), (3, 2, 20000), (1, 2, 1),\n"
               "  (9, 1, 1), (1, 9, 1), (NULL, 2, 1);\n"
               "INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('Shop', 'Shop', 'shop_fact', 1);\n"
               "INSERT INTO olap_dimension (cube, name, caption, dim_table, dim_key, fact_key) VALUES\n"
               "  ('Shop', 'Product', 'Product', 'shop_product', 'product_id', 'product_id'),\n"
               "  ('Shop', 'Store', 'Store', 'shop_store', 'store_id', 'store_id');\n"
               "INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES\n"
               "  ('Shop', 'Product', 'Product', 'Product', 1), ('Shop', 'Store', 'Store', 'Store', 2);\n"
               "INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, "
               "sort_column)\n"
               "  VALUES ('Shop', 'Product', 1, 'Category', 'Category', 'category', NULL, NULL),\n"
               "  ('Shop', 'Product', 2, 'Product', 'Product', 'product_id', 'product', NULL),\n"
               "  ('Shop', 'Store', 1, 'City', 'City', 'store_id', 'city', NULL);\n"
               "INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) VALUES\n"
               "  ('Shop', 'Amount', 'Amount', 'amount', 'sum', '#,##0', 1),\n"
               "  ('Shop', 'Lines', 'Lines', NULL, 'count', '#,##0', 2);\n")
        .arg(extraStore);
}

}

QString shopWithOrphanFactsSql()
{
    return shopSql(QString());
}

QString shopWithOrphanProductsSql()
{
    return shopSql(QStringLiteral(", (9, 'Molde')"));
}

QString shopWithDuplicateKeySql()
{
    return shopSql(QStringLiteral(", (2, 'Stavanger')"));
}

QString bigWholeNumbersSql()
{
    return QStringLiteral(R"(
CREATE TABLE big_group (group_id INTEGER, name TEXT);
INSERT INTO big_group VALUES (1, 'past the largest'), (2, 'past the smallest'), (3, 'beyond doubles'),
  (4, 'near the smallest');
CREATE TABLE big_fact (group_id INTEGER, v BIGINT);
INSERT INTO big_fact VALUES (1, 4611686018427387905), (1, 4611686018427387906), (1, 4611686018427387907),
  (2, -4611686018427387904), (2, -4611686018427387904), (2, -4611686018427387904), (2, -1),
  (3, 9007199254740993), (3, 1), (3, NULL), (4, -9223372036854775807), (4, 1);
INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('Big', 'Big', 'big_fact', 1);
INSERT INTO olap_dimension (cube, name, caption, dim_table, dim_key, fact_key) VALUES
  ('Big', 'Group', 'Group', 'big_group', 'group_id', 'group_id');
INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES ('Big', 'Group', 'Group', 'Group', 1);
INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, sort_column) VALUES
  ('Big', 'Group', 1, 'Group', 'Group', 'group_id', 'name', NULL);
INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) VALUES
  ('Big', 'Total', 'Total', 'v', 'sum', '#,##0', 1),
  ('Big', 'Least', 'Least', 'v', 'min', '#,##0', 2),
  ('Big', 'Most', 'Most', 'v', 'max', '#,##0', 3),
  ('Big', 'Mean', 'Mean', 'v', 'average', '#,##0.00', 4),
  ('Big', 'Facts', 'Facts', 'v', 'count', '#,##0', 5);
)");
}

QString salesCube()
{
    static const QString path = buildCube(QStringLiteral("Sales"));
    return path;
}

QString budgetCube()
{
    static const QString path = buildCube(QStringLiteral("Budget"));
    return path;
}

QVector<QVector<QVariant>> sql(const QString& cubeFile, const QString& statement)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(cubeFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    QVector<QVector<QVariant>> rows;
    if (sqlite3_prepare_v2(db, statement.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(db);
        sqlite3_close(db);
        return rows;
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(st)) == SQLITE_ROW) {
        QVector<QVariant> row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_NULL:
                row.append(QVariant());
                break;
            case SQLITE_INTEGER:
                row.append(qint64(sqlite3_column_int64(st, c)));
                break;
            case SQLITE_FLOAT:
                row.append(sqlite3_column_double(st, c));
                break;
            default:
                row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c))));
            }
        }
        rows.append(row);
    }
    if (step != SQLITE_DONE)   // an error part way (an integer overflow) is no shorter answer
        ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(db);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

void exec(const QString& cubeFile, const QString& statement)
{
    sqlite3* db = nullptr;
    sqlite3_open(cubeFile.toUtf8().constData(), &db);
    run(db, statement);
    sqlite3_close(db);
}

std::vector<olap::PivotQuery> shopLayouts()
{
    std::vector<olap::PivotQuery> layouts(6);
    layouts[1].rows.fields = {field("Product")};
    layouts[2].rows.fields = {field("Store")};
    layouts[3].rows.fields = {field("Product", 1)};
    layouts[3].columns.fields = {field("Store")};
    layouts[4].filters = {{QStringLiteral("Product"), {path({"Fruit"}), path({"Tools"})}}};
    layouts[5].rows.fields = {field("Product")};
    layouts[5].filters = {{QStringLiteral("Store"), {path({"1"}), path({"2"})}}};
    for (olap::PivotQuery& q : layouts)
        q.measures = {QStringLiteral("Amount"), QStringLiteral("Lines")};
    return layouts;
}

}
