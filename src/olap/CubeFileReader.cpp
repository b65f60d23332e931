#include "olap/CubeData.h"
#include "olap/SqliteDatabase.h"

#include "platform/VbError.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <optional>
#include <sqlite3.h>
#include <thread>
#include <unordered_map>

namespace olap {

namespace {

// Dimension keys as the fact table holds them: integers, or texts. Integer keys in a
// compact range (the usual surrogate keys and yyyymmdd dates) are found by direct index.
class KeyMap
{
public:
    // False when the key is there already: a join would count its facts once per row.
    bool insert(const SqliteDatabase::Statement& st, int column, int row)
    {
        if (sqlite3_column_type(st.handle(), column) == SQLITE_NULL)
            return true;   // joins no fact
        const auto key = integerKey(st, column);
        const QString text = st.text(column);
        if (key ? !m_integers.emplace(*key, row).second : m_texts.contains(text))
            return false;
        if (!m_texts.contains(text))
            m_texts.insert(text, row);
        return true;
    }

    void finish()
    {
        if (m_integers.empty())
            return;
        qint64 low = m_integers.begin()->first;
        qint64 high = low;
        for (const auto& [key, row] : m_integers) {
            low = std::min(low, key);
            high = std::max(high, key);
        }
        // Unsigned, because keys at both ends of the range lie further apart than a qint64 holds.
        const quint64 last = quint64(high) - quint64(low);
        const qint64 limit = std::max<qint64>(64 * qint64(m_integers.size()), 1 << 16);
        if (last >= quint64(std::min<qint64>(limit, 1 << 24)))
            return;
        m_base = low;
        m_dense.assign(size_t(last) + 1, -1);
        for (const auto& [key, row] : m_integers)
            m_dense[size_t(quint64(key) - quint64(low))] = row;
    }

    int find(const SqliteDatabase::Statement& st, int column) const
    {
        if (sqlite3_column_type(st.handle(), column) == SQLITE_NULL)
            return -1;
        if (const auto key = integerKey(st, column)) {
            if (!m_dense.empty()) {
                const quint64 at = quint64(*key) - quint64(m_base);
                if (at < m_dense.size() && m_dense[at] >= 0)
                    return m_dense[at];
            } else if (const auto it = m_integers.find(*key); it != m_integers.end()) {
                return it->second;
            }
        }
        return m_texts.value(st.text(column), -1);
    }

private:
    // An integer, or a whole number stored as a real (1.0), which SQL's join matches to 1.
    static std::optional<qint64> integerKey(const SqliteDatabase::Statement& st, int column)
    {
        switch (sqlite3_column_type(st.handle(), column)) {
        case SQLITE_INTEGER:
            return sqlite3_column_int64(st.handle(), column);
        case SQLITE_FLOAT: {
            const double v = sqlite3_column_double(st.handle(), column);
            if (std::trunc(v) == v && v >= -0x1p63 && v < 0x1p63)
                return qint64(v);
            return std::nullopt;
        }
        default:
            return std::nullopt;
        }
    }

    std::unordered_map<qint64, int> m_integers;
    QHash<QString, int> m_texts;
    std::vector<int32_t> m_dense;   // by key - m_base
    qint64 m_base = 0;
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

// Hierarchies over the same dimension table and fact key share one read of the table
// and one column of dimension rows per fact.
struct DimensionGroup
{
    std::vector<int> hierarchies;
};

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
    return QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")),
                                                    quoteIdentifier(first.dimensionTable));
}

KeyMap readDimension(SqliteDatabase& db, const CubeDefinition& def, const DimensionGroup& group,
                     std::vector<HierarchyIndex>& indexes)
{
    SqliteDatabase::Statement st(db, dimensionSelect(def, group));
    KeyMap keys;
    std::vector<QVector<LevelCell>> cells;
    for (int h : group.hierarchies)
        cells.emplace_back(def.hierarchies[h].levels.size());
    int row = 0;
    while (st.next()) {
        if (!keys.insert(st, 0, row++)) {
            raiseDuplicateKey(QCoreApplication::translate("olap", "the cube file \"%1\"").arg(db.path()),
                              def.hierarchies[group.hierarchies.front()].dimensionTable, st.text(0));
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

// Runs work(0) ... work(n - 1) on threads of their own and raises the first failure.
void inParallel(size_t n, const std::function<void(size_t)>& work)
{
    if (n == 1) {
        work(0);
        return;
    }
    std::vector<std::exception_ptr> failures(n);
    std::vector<std::thread> workers;
    for (size_t i = 0; i < n; ++i) {
        workers.emplace_back([&, i] {
            try {
                work(i);
            } catch (...) {
                failures[i] = std::current_exception();
            }
        });
    }
    for (std::thread& w : workers)
        w.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
}

// One stretch of the fact table, read on a connection of its own.
struct FactChunk
{
    std::vector<std::vector<int32_t>> factRows;     // by dimension group
    std::vector<std::vector<double>> values;        // by measure
    std::vector<std::vector<int32_t>> distinctIds;  // by measure
    std::vector<ValueDictionary> dictionaries;      // by measure
};

void readFactChunk(SqliteDatabase& db, const CubeDefinition& def, const std::vector<DimensionGroup>& groups,
                   const std::vector<KeyMap>& keys, const QString& condition, size_t expectedRows, FactChunk& out)
{
    const int hierarchies = int(groups.size());
    const int measures = int(def.measures.size());
    QStringList columns;
    for (const DimensionGroup& g : groups)
        columns << quoteIdentifier(def.hierarchies[g.hierarchies.front()].factKey);
    QVector<int> measureColumn;
    for (const MeasureStorage& m : def.measures) {
        measureColumn.append(m.column.isEmpty() ? -1 : int(columns.size()));
        if (!m.column.isEmpty())
            columns << quoteIdentifier(m.column);
    }
    out.factRows.resize(size_t(hierarchies));
    out.values.resize(size_t(measures));
    out.distinctIds.resize(size_t(measures));
    out.dictionaries.resize(size_t(measures));
    for (auto& column : out.factRows)
        column.reserve(expectedRows);
    for (int m = 0; m < measures; ++m) {
        if (measureColumn[m] < 0)
            continue;
        if (def.schema.measures[m].aggregate == Aggregate::DistinctCount)
            out.distinctIds[size_t(m)].reserve(expectedRows);
        else
            out.values[size_t(m)].reserve(expectedRows);
    }

    SqliteDatabase::Statement st(db, QStringLiteral("SELECT %1 FROM %2 %3")
                                         .arg(columns.join(QStringLiteral(", ")), quoteIdentifier(def.factTable),
                                              condition));
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
            out.factRows[size_t(h)].push_back(rows[size_t(h)]);
        for (int m = 0; m < measures; ++m) {
            const int c = measureColumn[m];
            if (c < 0)
                continue;
            if (def.schema.measures[m].aggregate == Aggregate::DistinctCount) {
                out.distinctIds[size_t(m)].push_back(out.dictionaries[size_t(m)].idOf(st, c));
                continue;
            }
            const int type = sqlite3_column_type(st.handle(), c);
            out.values[size_t(m)].push_back(type == SQLITE_NULL ? std::nan("") : sqlite3_column_double(st.handle(), c));
        }
    }
}

// Appends the chunks' columns one at a time, freeing each chunk column once copied, so
// that the peak stays near one copy of the data.
template <typename T, typename Map>
std::vector<T> joinColumns(std::vector<FactChunk>& chunks, std::vector<std::vector<T>> FactChunk::*column, size_t index,
                           const Map& mapValue)
{
    size_t total = 0;
    for (FactChunk& c : chunks)
        total += (c.*column)[index].size();
    std::vector<T> joined;
    joined.reserve(total);
    for (size_t k = 0; k < chunks.size(); ++k) {
        std::vector<T>& part = (chunks[k].*column)[index];
        for (const T& v : part)
            joined.push_back(mapValue(k, v));
        std::vector<T>().swap(part);
    }
    return joined;
}

// Large fact tables are read in rowid stretches on several threads.
struct Stretch
{
    QString condition;
    size_t expectedRows = 0;
};

std::vector<Stretch> stretches(SqliteDatabase& db, const CubeDefinition& def)
{
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    qint64 first = 0;
    qint64 last = -1;
    qint64 count = 0;
    try {
        SqliteDatabase::Statement st(db, QStringLiteral("SELECT min(rowid), max(rowid), count(*) FROM %1")
                                             .arg(quoteIdentifier(def.factTable)));
        if (st.next()) {
            first = st.value(0).toLongLong();
            last = st.value(1).toLongLong();
            count = st.value(2).toLongLong();
        }
    } catch (const platform::VbError&) {
        return {Stretch{}};   // a table without rowids, or a view: read it in one go
    }
    constexpr qint64 kRowsPerStretch = 100000;
    const qint64 span = last - first + 1;
    if (threads == 1 || span < 2 * kRowsPerStretch)
        return {Stretch{QString(), size_t(count)}};
    std::vector<Stretch> result;
    for (unsigned t = 0; t < threads; ++t) {
        const qint64 from = first + span * t / threads;
        const qint64 to = first + span * (t + 1) / threads - 1;
        // Rowids may have gaps, so a stretch holds at most its span and at most all rows.
        result.push_back({QStringLiteral("WHERE rowid BETWEEN %1 AND %2").arg(from).arg(to),
                          size_t(std::min(to - from + 1, count))});
    }
    return result;
}

void readFacts(SqliteDatabase& db, CubeData& data, const std::vector<DimensionGroup>& groups,
               const std::vector<KeyMap>& keys)
{
    const CubeDefinition& def = data.definition;
    const std::vector<Stretch> conditions = stretches(db, def);
    std::vector<FactChunk> chunks(conditions.size());
    inParallel(conditions.size(), [&](size_t i) {
        SqliteDatabase own(db.path());
        readFactChunk(own, def, groups, keys, conditions[i].condition, conditions[i].expectedRows, chunks[i]);
    });

    const auto same = [](size_t, auto v) { return v; };
    data.factKeys.resize(groups.size());
    for (size_t g = 0; g < groups.size(); ++g)
        data.factKeys[g] = joinColumns(chunks, &FactChunk::factRows, g, same);
    data.factCount = data.factKeys.empty() ? 0 : data.factKeys[0].size();
    const size_t measures = size_t(def.measures.size());
    data.measureValues.resize(measures);
    data.distinctIds.resize(measures);
    data.distinctValues.resize(measures);
    for (size_t m = 0; m < measures; ++m) {
        data.measureValues[m] = joinColumns(chunks, &FactChunk::values, m, same);
        // Each chunk numbered its distinct values itself; renumber them by value.
        QHash<QString, int32_t> ids;
        std::vector<std::vector<int32_t>> renumber(chunks.size());
        for (size_t k = 0; k < chunks.size(); ++k) {
            for (const QString& value : chunks[k].dictionaries[m].values) {
                const auto it = ids.constFind(value);
                if (it != ids.constEnd()) {
                    renumber[k].push_back(it.value());
                    continue;
                }
                const int32_t id = int32_t(data.distinctValues[m].size());
                data.distinctValues[m].push_back(value);
                ids.insert(value, id);
                renumber[k].push_back(id);
            }
        }
        data.distinctIds[m] = joinColumns(chunks, &FactChunk::distinctIds, m, [&](size_t k, int32_t id) {
            return id < 0 ? id : renumber[k][size_t(id)];
        });
    }
}

}

namespace {

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
    const SqlRunner run = [&db](const QString& sql, const QStringList& params) { return db.rows(sql, params); };
    const QStringList names = readCubeNames(run, QString());
    if (names.size() != 1)
        platform::raiseError(
            platform::err::Unspecified,
            QCoreApplication::translate("olap", "The cube file \"%1\" must hold exactly one cube.").arg(path),
            QStringLiteral("CubeFile"));
    return readCubeDefinition(run, QString(), names.front());
}

}

std::shared_ptr<const CubeData> readCubeFile(const QString& path)
{
    SqliteDatabase db(path);
    auto data = std::make_shared<CubeData>();
    data->definition = checkedDefinition(db);
    const CubeDefinition& def = data->definition;
    for (const HierarchyStorage& h : def.hierarchies)
        data->indexes.emplace_back(int(h.levels.size()));
    const std::vector<DimensionGroup> groups = dimensionGroups(def, data->keyColumnOf);
    std::vector<KeyMap> keys(groups.size());
    inParallel(groups.size(), [&](size_t g) {
        SqliteDatabase own(path);
        keys[g] = readDimension(own, def, groups[g], data->indexes);
    });
    readFacts(db, *data, groups, keys);
    return data;
}

QString inspectCubeFile(const QString& path)
{
    SqliteDatabase db(path);
    const CubeDefinition def = checkedDefinition(db);
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
    SqliteDatabase::Statement(db, QStringLiteral("SELECT %1 FROM %2 LIMIT 0")
                                      .arg(factColumns.join(QStringLiteral(", ")), quoteIdentifier(def.factTable)));
    return def.schema.name;
}

}
