// Cube files that are plausible but wrong: a small valid cube whose metadata, keys, rowids
// and tables the input then changes (names of tables and columns that exist or not, NULLs,
// numbers as texts, duplicate rows, views in place of tables). Opening ends in a cube or in
// the provider's error naming the file.

#include "CubeFiles.h"
#include "FuzzSupport.h"

#include <QFile>
#include <sqlite3.h>

namespace {

QByteArray schemaSql;

const char* const kCube = R"(
CREATE TABLE f (id INTEGER PRIMARY KEY, k1, k2, v);
CREATE TABLE d1 (id, a, b, s);
CREATE TABLE d2 (id, c);
INSERT INTO d1 VALUES (1, 'East', 'Boston', 2), (2, 'East', 'Albany', 1), (3, 'West', 'Reno', 3);
INSERT INTO d2 VALUES (10, 'Online'), (20, 'Retail');
INSERT INTO f VALUES (1, 1, 10, 5.5), (2, 2, 20, 1), (3, 3, 10, NULL), (4, 1, 20, 7);
INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('C', 'Cube', 'f', 1);
INSERT INTO olap_dimension (cube, name, dim_table, dim_key, fact_key) VALUES ('C', 'Geo', 'd1', 'id', 'k1'), ('C', 'Ch', 'd2', 'id', 'k2');
INSERT INTO olap_hierarchy (cube, name, dimension, ordinal) VALUES ('C', 'Geo', 'Geo', 1), ('C', 'Ch', 'Ch', 2);
INSERT INTO olap_level (cube, hierarchy, depth, name, key_column, caption_column, sort_column) VALUES
  ('C', 'Geo', 1, 'Region', 'a', NULL, NULL), ('C', 'Geo', 2, 'City', 'id', 'b', 's'), ('C', 'Ch', 1, 'Channel', 'c', NULL, NULL);
INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) VALUES
  ('C', 'Sum', NULL, 'v', 'sum', '#,##0.00', 1), ('C', 'Avg', NULL, 'v', 'average', 'Percent', 2),
  ('C', 'N', NULL, NULL, 'count', '0', 3), ('C', 'Dc', NULL, 'k2', 'distinct count', NULL, 4);
)";

struct Column
{
    const char* table;
    const char* column;
};

const Column kColumns[] = {
    {"olap_cube", "name"},
    {"olap_cube", "fact_table"},
    {"olap_cube", "ordinal"},
    {"olap_dimension", "name"},
    {"olap_dimension", "dim_table"},
    {"olap_dimension", "dim_key"},
    {"olap_dimension", "fact_key"},
    {"olap_dimension", "cube"},
    {"olap_hierarchy", "name"},
    {"olap_hierarchy", "dimension"},
    {"olap_hierarchy", "ordinal"},
    {"olap_hierarchy", "cube"},
    {"olap_level", "depth"},
    {"olap_level", "name"},
    {"olap_level", "key_column"},
    {"olap_level", "caption_column"},
    {"olap_level", "sort_column"},
    {"olap_level", "hierarchy"},
    {"olap_measure", "name"},
    {"olap_measure", "column_name"},
    {"olap_measure", "aggregate"},
    {"olap_measure", "number_format"},
    {"f", "k1"},
    {"f", "k2"},
    {"f", "v"},
    {"f", "id"},
    {"d1", "id"},
    {"d1", "a"},
    {"d1", "s"},
    {"d2", "id"},
    {"d2", "c"},
};

const char* const kNames[] = {
    "f",          "d1",        "d2",      "id",   "a",  "b", "s",      "c",     "k1",  "k2",    "v",
    "olap_level", "olap_cube", "missing", "Geo",  "Ch", "C", "main.f", "\"f\"", "sum", "count", "distinct count",
    "average",    "min",       "max",     "rowid"};

void bindValue(sqlite3_stmt* st, int index, fuzz::Input& input)
{
    switch (input.byte() % 6) {
    case 0:
        sqlite3_bind_null(st, index);
        break;
    case 1:
        sqlite3_bind_int64(st, index, sqlite3_int64(input.byte()) - 2);
        break;
    case 2: {
        int64_t v = 0;
        for (int i = 0; i < 8; ++i)
            v = int64_t(uint64_t(v) << 8 | input.byte());
        sqlite3_bind_int64(st, index, v);
        break;
    }
    case 3:
        sqlite3_bind_double(st, index, input.number());
        break;
    case 4: {
        const QByteArray utf8 = input.text().toUtf8();
        sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const char* name = kNames[input.byte() % std::size(kNames)];
        sqlite3_bind_text(st, index, name, -1, SQLITE_STATIC);
    }
    }
}

void run(sqlite3* db, const QByteArray& sql, fuzz::Input* input = nullptr, int params = 0)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr) == SQLITE_OK) {
        for (int i = 1; i <= params; ++i)
            bindValue(st, i, *input);
        sqlite3_step(st);
    }
    sqlite3_finalize(st);
}

void change(sqlite3* db, fuzz::Input& input)
{
    const uint8_t op = input.byte();
    const Column& c = kColumns[input.byte() % std::size(kColumns)];
    switch (op % 6) {
    case 0:
    case 1:
        run(db,
            QByteArray("UPDATE ") + c.table + " SET " + c.column
                + " = ?1 WHERE rowid = " + QByteArray::number(input.byte() % 5),
            &input, 1);
        break;
    case 2:   // a copy of a row, one value changed
        run(db,
            QByteArray("CREATE TEMP TABLE t AS SELECT * FROM ") + c.table
                + " WHERE rowid = " + QByteArray::number(input.byte() % 5));
        run(db, QByteArray("UPDATE t SET ") + c.column + " = ?1", &input, 1);
        run(db, QByteArray("INSERT INTO ") + c.table + " SELECT * FROM t");
        run(db, "DROP TABLE t");
        break;
    case 3:
        run(db, "INSERT INTO f VALUES (?1, ?2, ?3, ?4)", &input, 4);
        break;
    case 4:
        run(db, QByteArray("DELETE FROM ") + c.table + " WHERE rowid = " + QByteArray::number(input.byte() % 5));
        break;
    default: {   // a view, maybe an endless one, in place of a table
        const bool endless = input.byte() & 1;
        run(db, QByteArray("ALTER TABLE ") + c.table + " RENAME TO " + c.table + "_t");
        run(db,
            QByteArray("CREATE VIEW ") + c.table + " AS "
                + (endless
                       ? QByteArray("WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r) SELECT t.* FROM ")
                           + c.table + "_t t, r"
                       : QByteArray("SELECT * FROM ") + c.table + "_t"));
    }
    }
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::prepareCubeReading();
    QFile schema(QStringLiteral(TESSALINE_CUBE_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly))
        fuzz::fail("the cube file schema is readable", schema.fileName());
    schemaSql = schema.readAll();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const QString path = fuzz::scratchFolder() + QStringLiteral("/metadata.cub");
    QFile::remove(path);
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK)
        fuzz::fail("a scratch cube can be created", path);
    sqlite3_exec(db, schemaSql.constData(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA ignore_check_constraints = ON", nullptr, nullptr, nullptr);
    sqlite3_exec(db, kCube, nullptr, nullptr, nullptr);
    for (int n = 0; n < 12 && !input.atEnd(); ++n)
        change(db, input);
    sqlite3_close(db);
    fuzz::openAndReadAll(path);
    return 0;
}
