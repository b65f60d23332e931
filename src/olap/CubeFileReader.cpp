#include "olap/CubeData.h"
#include "olap/SqliteDatabase.h"

#include "platform/VbError.h"

#include <cmath>
#include <sqlite3.h>
#include <unordered_map>

namespace olap {

namespace {

// Dimension keys as the fact table holds them: integers, or texts.
class KeyMap
{
public:
    void insert(const SqliteDatabase::Statement& st, int column, int row)
    {
        if (sqlite3_column_type(st.handle(), column) == SQLITE_INTEGER)
            m_integers.emplace(sqlite3_column_int64(st.handle(), column), row);
        const QString text = st.text(column);
        if (!m_texts.contains(text))   // a repeated key keeps its first row
            m_texts.insert(text, row);
    }

    int find(const SqliteDatabase::Statement& st, int column) const
    {
        switch (sqlite3_column_type(st.handle(), column)) {
        case SQLITE_NULL:
            return -1;
        case SQLITE_INTEGER: {
            const auto it = m_integers.find(sqlite3_column_int64(st.handle(), column));
            if (it != m_integers.end())
                return it->second;
            break;
        }
        default:
            break;
        }
        return m_texts.value(st.text(column), -1);
    }

private:
    std::unordered_map<qint64, int> m_integers;
    QHash<QString, int> m_texts;
};

// Gives each distinct value of a column a dense id.
class ValueDictionary
{
public:
    int32_t idOf(const SqliteDatabase::Statement& st, int column)
    {
        const int type = sqlite3_column_type(st.handle(), column);
        if (type == SQLITE_NULL)
            return -1;
        if (type == SQLITE_INTEGER) {
            const qint64 v = sqlite3_column_int64(st.handle(), column);
            const auto it = m_integers.find(v);
            if (it != m_integers.end())
                return it->second;
            return m_integers.emplace(v, add(QString::number(v))).first->second;
        }
        const QString v = st.text(column);
        const auto it = m_texts.constFind(v);
        if (it != m_texts.constEnd())
            return it.value();
        const int32_t id = add(v);
        m_texts.insert(v, id);
        return id;
    }
    std::vector<QString> values;

private:
    int32_t add(const QString& v)
    {
        values.push_back(v);
        return int32_t(values.size() - 1);
    }
    std::unordered_map<qint64, int32_t> m_integers;
    QHash<QString, int32_t> m_texts;
};

// The dimension key, then key, caption and sort value of each level.
QString dimensionSelect(const HierarchyStorage& storage)
{
    QStringList columns{quoteIdentifier(storage.dimensionKey)};
    for (const LevelColumns& level : storage.levels) {
        columns << quoteIdentifier(level.keyColumn)
                << quoteIdentifier(level.captionColumn.isEmpty() ? level.keyColumn : level.captionColumn)
                << quoteIdentifier(level.sortColumn.isEmpty() ? level.keyColumn : level.sortColumn);
    }
    return QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")),
                                                    quoteIdentifier(storage.dimensionTable));
}

KeyMap readHierarchy(SqliteDatabase& db, const HierarchyStorage& storage, HierarchyIndex& index)
{
    SqliteDatabase::Statement st(db, dimensionSelect(storage));
    KeyMap keys;
    QVector<LevelCell> cells(storage.levels.size());
    while (st.next()) {
        for (int l = 0; l < cells.size(); ++l)
            cells[l] = {st.text(1 + 3 * l), st.text(2 + 3 * l), st.text(3 + 3 * l)};
        keys.insert(st, 0, index.rowCount());
        index.addRow(cells);
    }
    index.finish();
    return keys;
}

void readFacts(SqliteDatabase& db, CubeData& data, const std::vector<KeyMap>& keys)
{
    const CubeDefinition& def = data.definition;
    const int hierarchies = int(def.hierarchies.size());
    QStringList columns;
    for (const HierarchyStorage& h : def.hierarchies)
        columns << quoteIdentifier(h.factKey);
    QVector<int> measureColumn;
    for (const MeasureStorage& m : def.measures) {
        measureColumn.append(m.column.isEmpty() ? -1 : int(columns.size()));
        if (!m.column.isEmpty())
            columns << quoteIdentifier(m.column);
    }
    const int measures = int(def.measures.size());
    data.factRows.resize(size_t(hierarchies));
    data.measureValues.resize(size_t(measures));
    data.distinctIds.resize(size_t(measures));
    std::vector<ValueDictionary> dictionaries(static_cast<size_t>(measures));

    SqliteDatabase::Statement st(
        db, QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), quoteIdentifier(def.factTable)));
    std::vector<int32_t> rows(static_cast<size_t>(hierarchies));
    while (st.next()) {
        bool matched = true;   // facts without a dimension row are left out, as an inner join would
        for (int h = 0; h < hierarchies && matched; ++h) {
            rows[size_t(h)] = keys[size_t(h)].find(st, h);
            matched = rows[size_t(h)] >= 0;
        }
        if (!matched)
            continue;
        for (int h = 0; h < hierarchies; ++h)
            data.factRows[size_t(h)].push_back(rows[size_t(h)]);
        for (int m = 0; m < measures; ++m) {
            const int c = measureColumn[m];
            if (c < 0)
                continue;
            if (def.schema.measures[m].aggregate == Aggregate::DistinctCount) {
                data.distinctIds[size_t(m)].push_back(dictionaries[size_t(m)].idOf(st, c));
                continue;
            }
            const int type = sqlite3_column_type(st.handle(), c);
            data.measureValues[size_t(m)].push_back(type == SQLITE_NULL ? std::nan("")
                                                                         : sqlite3_column_double(st.handle(), c));
        }
        ++data.factCount;
    }
    data.distinctValues.resize(size_t(measures));
    for (int m = 0; m < measures; ++m)
        data.distinctValues[size_t(m)] = std::move(dictionaries[size_t(m)].values);
}

}

namespace {

CubeDefinition checkedDefinition(SqliteDatabase& db)
{
    const QString& path = db.path();
    if (db.pragma("application_id") != kCubeFileApplicationId)
        platform::raiseError(platform::err::Unspecified,
                             QStringLiteral("\"%1\" is not a cube file.").arg(path), QStringLiteral("CubeFile"));
    if (const qint64 version = db.pragma("user_version"); version != kCubeFileFormatVersion)
        platform::raiseError(platform::err::Unspecified,
                             QStringLiteral("The cube file \"%1\" has format %2, which this program cannot read.")
                                 .arg(path)
                                 .arg(version),
                             QStringLiteral("CubeFile"));
    const SqlRunner run = [&db](const QString& sql, const QStringList& params) { return db.rows(sql, params); };
    const QStringList names = readCubeNames(run, QString());
    if (names.size() != 1)
        platform::raiseError(platform::err::Unspecified,
                             QStringLiteral("The cube file \"%1\" must hold exactly one cube.").arg(path),
                             QStringLiteral("CubeFile"));
    return readCubeDefinition(run, QString(), names.front());
}

}

std::shared_ptr<const CubeData> readCubeFile(const QString& path)
{
    SqliteDatabase db(path);
    auto data = std::make_shared<CubeData>();
    data->definition = checkedDefinition(db);
    std::vector<KeyMap> keys;
    for (int h = 0; h < data->definition.hierarchies.size(); ++h) {
        data->indexes.emplace_back(int(data->definition.hierarchies[h].levels.size()));
        keys.push_back(readHierarchy(db, data->definition.hierarchies[h], data->indexes.back()));
    }
    readFacts(db, *data, keys);
    return data;
}

QString inspectCubeFile(const QString& path)
{
    SqliteDatabase db(path);
    const CubeDefinition def = checkedDefinition(db);
    // Preparing reads of every named column finds a table or column the metadata gets wrong.
    QStringList factColumns;
    for (const HierarchyStorage& h : def.hierarchies) {
        factColumns << quoteIdentifier(h.factKey);
        SqliteDatabase::Statement(db, dimensionSelect(h) + QStringLiteral(" LIMIT 0"));
    }
    for (const MeasureStorage& m : def.measures) {
        if (!m.column.isEmpty())
            factColumns << quoteIdentifier(m.column);
    }
    SqliteDatabase::Statement(db, QStringLiteral("SELECT %1 FROM %2 LIMIT 0")
                                      .arg(factColumns.join(QStringLiteral(", ")), quoteIdentifier(def.factTable)));
    return def.schema.name;
}

}
