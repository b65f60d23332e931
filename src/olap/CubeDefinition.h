#pragma once

#include "olap/CubeSource.h"

#include <QVariant>
#include <functional>

namespace olap {

// Where a level's members come from: columns of its dimension table.
struct LevelColumns
{
    QString keyColumn;
    QString captionColumn;   // the key when empty
    QString sortColumn;      // the key when empty
};

// A hierarchy with the star-schema tables behind it.
struct HierarchyStorage
{
    QString dimensionTable;
    QString dimensionKey;           // column of the dimension table
    QString factKey;                // column of the fact table
    QVector<LevelColumns> levels;   // top level first, as the schema's levels
};

struct MeasureStorage
{
    QString column;   // empty: count of fact rows (aggregate "count" only)
};

// A cube as its metadata tables describe it: what the user sees (schema) and where it
// is stored. Hierarchies and measures are in the same order in both.
struct CubeDefinition
{
    CubeSchema schema;
    QString factTable;
    QVector<HierarchyStorage> hierarchies;
    QVector<MeasureStorage> measures;

    int hierarchyIndex(const QString& name) const;   // -1 when unknown
    int measureIndex(const QString& name) const;     // -1 when unknown
};

using SqlRow = QVector<QVariant>;
// Runs a statement with "$1", "$2"... bound to `params` and returns its rows.
using SqlRunner = std::function<QVector<SqlRow>(const QString& sql, const QStringList& params)>;

// Reads the definition of the cube `cubeName` from the metadata tables, whose names begin
// with `tablePrefix` ("" in a cube file, "olap." on the server).
// Throws platform::VbError (0x80004005) for missing or inconsistent metadata.
CubeDefinition readCubeDefinition(const SqlRunner& run, const QString& tablePrefix, const QString& cubeName);

// The names of the cubes the metadata lists, in their order.
QStringList readCubeNames(const SqlRunner& run, const QString& tablePrefix);

// An identifier for SQL text: "name" with inner quotes doubled. With `allowSchema`, a
// "schema.table" name becomes "schema"."table".
QString quoteIdentifier(const QString& name, bool allowSchema = false);

std::optional<Aggregate> aggregateFromName(const QString& name);

// Refuses a cube whose dimension table holds a key twice, where a fact of that key would
// count once per row (0x80004005). `place` names the cube file or the catalog.
[[noreturn]] void raiseDuplicateKey(const QString& place, const QString& table, const QString& key);

}
