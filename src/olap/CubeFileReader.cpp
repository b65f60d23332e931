#include "olap/CubeData.h"
#include "olap/CubeFileFacts.h"
#include "olap/SqliteDatabase.h"
#include "olap/WorkerPool.h"

#include "platform/VbError.h"

#include <QCoreApplication>
#include <sqlite3.h>

namespace olap {

namespace {

std::vector<DimensionGroup> dimensionGroups(const CubeDefinition& def, std::vector<int>& groupOf)
{
    std::vector<DimensionGroup> groups;
    groupOf.assign(size_t(def.hierarchies.size()), -1);
    for (int h = 0; h < def.hierarchies.size(); ++h) {
        const HierarchyStorage& s = def.hierarchies[h];
        for (size_t g = 0; g < groups.size() && groupOf[size_t(h)] < 0; ++g) {
            const HierarchyStorage& first = def.hierarchies[groups[g].hierarchies.front()];
            if (first.dimensionTable == s.dimensionTable && first.dimensionKey == s.dimensionKey
                && first.factKey == s.factKey)
                groupOf[size_t(h)] = int(g);
        }
        if (groupOf[size_t(h)] < 0) {
            groupOf[size_t(h)] = int(groups.size());
            groups.push_back({});
        }
        groups[size_t(groupOf[size_t(h)])].hierarchies.push_back(h);
    }
    return groups;
}

// The dimension key, then key, caption and sort value of each level of each hierarchy.
QString dimensionSelect(const CubeDefinition& def, const DimensionGroup& group)
{
    const HierarchyStorage& first = def.hierarchies[group.hierarchies.front()];
    QStringList columns{quoteIdentifier(first.dimensionKey)};
    for (int h : group.hierarchies) {
        for (const LevelColumns& level : def.hierarchies[h].levels) {
            columns << quoteIdentifier(level.keyColumn)
                    << quoteIdentifier(level.captionColumn.isEmpty() ? level.keyColumn : level.captionColumn)
                    << quoteIdentifier(level.sortColumn.isEmpty() ? level.keyColumn : level.sortColumn);
        }
    }
    return QStringLiteral("SELECT %1 FROM %2")
        .arg(columns.join(QStringLiteral(", ")), quoteIdentifier(first.dimensionTable));
}

DimensionKeys readDimension(SqliteDatabase& db, const CubeDefinition& def, const DimensionGroup& group,
                            const QByteArray& factKeyType, std::vector<HierarchyIndex>& indexes)
{
    const QString& table = def.hierarchies[group.hierarchies.front()].dimensionTable;
    SqliteDatabase::Statement st(db, dimensionSelect(def, group) + viewRowLimit(db, table));
    DimensionKeys keys(keyConversions(sqlite3_column_decltype(st.handle(), 0), factKeyType.constData()));
    std::vector<QVector<LevelCell>> cells;
    for (int h : group.hierarchies)
        cells.emplace_back(def.hierarchies[h].levels.size());
    int row = 0;
    while (st.next()) {
        if (!keys.insert(sqlite3_column_value(st.handle(), 0), row++)) {
            raiseDuplicateKey(QCoreApplication::translate("olap", "the cube file \"%1\"").arg(db.path()), table,
                              st.text(0));
        }
        int column = 1;
        for (size_t i = 0; i < cells.size(); ++i) {
            for (LevelCell& cell : cells[i]) {
                cell = {st.text(column), st.text(column + 1), st.text(column + 2)};
                column += 3;
            }
            indexes[size_t(group.hierarchies[i])].addRow(cells[i]);
        }
    }
    for (int h : group.hierarchies)
        indexes[size_t(h)].finish();
    keys.finish();
    return keys;
}

// The declared type of each group's fact key, which decides how the join compares keys.
std::vector<QByteArray> factKeyTypes(SqliteDatabase& db, const CubeDefinition& def,
                                     const std::vector<DimensionGroup>& groups)
{
    QStringList columns;
    for (const DimensionGroup& g : groups)
        columns << quoteIdentifier(def.hierarchies[g.hierarchies.front()].factKey);
    std::vector<QByteArray> types;
    if (columns.isEmpty())
        return types;
    SqliteDatabase::Statement st(db,
                                 QStringLiteral("SELECT %1 FROM %2 LIMIT 0")
                                     .arg(columns.join(QStringLiteral(", ")), quoteIdentifier(def.factTable)));
    for (int c = 0; c < int(groups.size()); ++c)
        types.push_back(QByteArray(sqlite3_column_decltype(st.handle(), c)));
    return types;
}

CubeDefinition checkedDefinition(SqliteDatabase& db)
{
    const QString& path = db.path();
    if (db.pragma("application_id") != kCubeFileApplicationId)
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("olap", "\"%1\" is not a cube file.").arg(path),
                             QStringLiteral("CubeFile"));
    if (const qint64 version = db.pragma("user_version"); version != kCubeFileFormatVersion)
        platform::raiseError(
            platform::err::Unspecified,
            QCoreApplication::translate("olap", "The cube file \"%1\" has format %2, which this program cannot read.")
                .arg(path, QString::number(version)),
            QStringLiteral("CubeFile"));
    // The metadata is read whole before anything else; only tables, whose reading ends, may hold it.
    for (const char* table : {"olap_cube", "olap_dimension", "olap_hierarchy", "olap_level", "olap_measure"}) {
        const QString type = db.objectType(QLatin1String(table));
        if (type.compare(QLatin1String("table"), Qt::CaseInsensitive) != 0)
            platform::raiseError(
                platform::err::Unspecified,
                QCoreApplication::translate("olap", "The cube file \"%1\" has no table %2%3.")
                    .arg(path, QLatin1String(table),
                         type.isEmpty() ? QString() : QCoreApplication::translate("olap", " (it is a %1)").arg(type)),
                QStringLiteral("CubeFile"));
    }
    const SqlRunner run = [&db](const QString& sql, const QStringList& params) { return db.rows(sql, params); };
    const QStringList names = readCubeNames(run, QString());
    if (names.size() != 1)
        platform::raiseError(
            platform::err::Unspecified,
            QCoreApplication::translate("olap", "The cube file \"%1\" must hold exactly one cube.").arg(path),
            QStringLiteral("CubeFile"));
    return readCubeDefinition(run, QString(), names.front());
}

// Every refusal of a cube file names it, also where the metadata reader, which serves the
// server too, does not know the file; its source "CubeFile" tells it from a provider failure.
template<typename Work>
auto namingTheFile(const QString& path, const Work& work)
{
    try {
        return work();
    } catch (const platform::VbError& e) {
        const QString kCubeFile = QStringLiteral("CubeFile");
        if (e.description().contains(path) && e.source() == kCubeFile)
            throw;
        const QString description = e.description().contains(path)
            ? e.description()
            : QCoreApplication::translate("olap", "The cube file \"%1\" cannot be used: %2").arg(path, e.description());
        platform::raiseError(e.number(), description, kCubeFile);
    }
}

std::shared_ptr<const CubeData> readWholeCubeFile(const QString& path, ReadProgress* progress)
{
    SqliteDatabase db(path);
    auto data = std::make_shared<CubeData>();
    data->definition = checkedDefinition(db);
    const CubeDefinition& def = data->definition;
    for (const HierarchyStorage& h : def.hierarchies)
        data->indexes.emplace_back(int(h.levels.size()));
    const std::vector<DimensionGroup> groups = dimensionGroups(def, data->keyColumnOf);
    const std::vector<QByteArray> types = factKeyTypes(db, def, groups);
    std::vector<DimensionKeys> keys(groups.size());
    WorkerConnections connections(path);
    forEachTask(groups.size(), [&](size_t g, size_t worker) {
        keys[g] = readDimension(connections.of(worker), def, groups[g], types[g], data->indexes);
    });
    readFacts(connections, *data, groups, keys, progress);
    return data;
}

CubeDefinition inspectWholeCubeDefinition(const QString& path)
{
    SqliteDatabase db(path);
    CubeDefinition def = checkedDefinition(db);
    // Preparing reads of every named column finds a table or column the metadata gets wrong.
    QStringList factColumns;
    std::vector<int> groupOf;
    for (const DimensionGroup& g : dimensionGroups(def, groupOf)) {
        factColumns << quoteIdentifier(def.hierarchies[g.hierarchies.front()].factKey);
        SqliteDatabase::Statement(db, dimensionSelect(def, g) + QStringLiteral(" LIMIT 0"));
    }
    for (const MeasureStorage& m : def.measures) {
        if (!m.column.isEmpty())
            factColumns << quoteIdentifier(m.column);
    }
    SqliteDatabase::Statement(db,
                              QStringLiteral("SELECT %1 FROM %2 LIMIT 0")
                                  .arg(factColumns.join(QStringLiteral(", ")), quoteIdentifier(def.factTable)));
    return def;
}

}

std::shared_ptr<const CubeData> readCubeFile(const QString& path, ReadProgress* progress)
{
    return namingTheFile(path, [&] { return readWholeCubeFile(path, progress); });
}

QString inspectCubeFile(const QString& path)
{
    return inspectCubeDefinition(path).schema.name;
}

CubeDefinition inspectCubeDefinition(const QString& path)
{
    return namingTheFile(path, [&] { return inspectWholeCubeDefinition(path); });
}

}
