#include "olap/CubeData.h"
#include "olap/SqliteDatabase.h"

#include "platform/VbError.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <functional>
#include <optional>
#include <sqlite3.h>
#include <thread>
#include <unordered_map>

namespace olap {

namespace {

// A value's text as Statement::text() gives a column's.
QString textOf(sqlite3_value* value)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return bytes ? QString::fromUtf8(bytes, sqlite3_value_bytes(value)) : QString();
}

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
        const auto key = integerKey(sqlite3_column_value(st.handle(), column));
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

    // The dimension row of a fact's key, -1 for none. Takes the column's value as it is, so
    // that a fact costs one look at each of its columns.
    int find(sqlite3_value* value) const
    {
        if (sqlite3_value_type(value) == SQLITE_NULL)
            return -1;
        if (const auto key = integerKey(value)) {
            if (!m_dense.empty()) {
                const quint64 at = quint64(*key) - quint64(m_base);
                if (at < m_dense.size() && m_dense[at] >= 0)
                    return m_dense[at];
            } else if (const auto it = m_integers.find(*key); it != m_integers.end()) {
                return it->second;
            }
        }
        return m_texts.value(textOf(value), -1);
    }

private:
    // An integer, or a whole number stored as a real (1.0), which SQL's join matches to 1.
    static std::optional<qint64> integerKey(sqlite3_value* value)
    {
        switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            return sqlite3_value_int64(value);
        case SQLITE_FLOAT: {
            const double v = sqlite3_value_double(value);
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

// Gives each distinct text a dense id.
class TextDictionary
{
public:
    int32_t idOf(const QString& v)
    {
        const auto it = m_ids.constFind(v);
        if (it != m_ids.constEnd())
            return it.value();
        values.push_back(v);
        const int32_t id = int32_t(values.size() - 1);
        m_ids.insert(v, id);
        return id;
    }
    std::vector<QString> values;

private:
    QHash<QString, int32_t> m_ids;
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

// A view is counted first, under the answer limit, so that one that never ends is refused
// rather than read for ever; it is read no further than that count.
QString rowLimit(SqliteDatabase& db, const QString& table)
{
    if (db.objectType(table).compare(QLatin1String("view"), Qt::CaseInsensitive) != 0)
        return {};
    SqliteDatabase::Statement st(db, QStringLiteral("SELECT count(*) FROM %1").arg(quoteIdentifier(table)));
    const qint64 count = st.next() ? st.value(0).toLongLong() : 0;
    return QStringLiteral(" LIMIT %1").arg(count);
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

KeyMap readDimension(SqliteDatabase& db, const CubeDefinition& def, const DimensionGroup& group,
                     std::vector<HierarchyIndex>& indexes)
{
    const QString& table = def.hierarchies[group.hierarchies.front()].dimensionTable;
    SqliteDatabase::Statement st(db, dimensionSelect(def, group) + rowLimit(db, table));
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

// One measure's values in one stretch of the fact table. Values are kept as 32-bit integers
// while every one is a whole number that fits, as doubles from the first that is not; a
// distinct count's values as whole numbers while they are, as texts from the first that is not.
struct ChunkMeasure
{
    static constexpr qint64 kNoWhole = INT64_MIN;

    bool reals = false;
    std::vector<int32_t> integers;
    std::vector<double> realValues;

    bool texts = false;
    std::vector<qint64> whole;
    std::vector<int32_t> textIds;
    TextDictionary dictionary;

    void addValue(sqlite3_value* value)
    {
        const int type = sqlite3_value_type(value);
        if (type == SQLITE_NULL) {
            reals ? realValues.push_back(std::nan("")) : integers.push_back(MeasureColumn::kNoInteger);
            return;
        }
        if (!reals && type == SQLITE_INTEGER) {
            const qint64 v = sqlite3_value_int64(value);
            if (v > MeasureColumn::kNoInteger && v <= INT32_MAX) {
                integers.push_back(int32_t(v));
                return;
            }
        }
        if (!reals) {
            realValues.reserve(integers.capacity());
            for (int32_t v : integers)
                realValues.push_back(v == MeasureColumn::kNoInteger ? std::nan("") : double(v));
            std::vector<int32_t>().swap(integers);
            reals = true;
        }
        realValues.push_back(sqlite3_value_double(value));
    }

    void addDistinct(sqlite3_value* value)
    {
        const int type = sqlite3_value_type(value);
        if (type == SQLITE_NULL) {
            texts ? textIds.push_back(-1) : whole.push_back(kNoWhole);
            return;
        }
        if (!texts && type == SQLITE_INTEGER) {
            const qint64 v = sqlite3_value_int64(value);
            if (v != kNoWhole) {
                whole.push_back(v);
                return;
            }
        }
        toTexts();
        textIds.push_back(dictionary.idOf(textOf(value)));
    }

    void toTexts()
    {
        if (texts)
            return;
        textIds.reserve(whole.capacity());
        for (qint64 v : whole)
            textIds.push_back(v == kNoWhole ? -1 : dictionary.idOf(QString::number(v)));
        std::vector<qint64>().swap(whole);
        texts = true;
    }
};

// One stretch of the fact table, read on a connection of its own.
struct FactChunk
{
    std::vector<std::vector<int32_t>> factRows;   // by dimension group
    std::vector<ChunkMeasure> measures;           // by measure
};

void readFactChunk(SqliteDatabase& db, const CubeDefinition& def, const std::vector<DimensionGroup>& groups,
                   const std::vector<KeyMap>& keys, const QString& condition, size_t expectedRows, FactChunk& out,
                   ReadProgress* progress)
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
    out.measures.resize(size_t(measures));
    for (auto& column : out.factRows)
        column.reserve(expectedRows);
    std::vector<bool> distinct(size_t(measures), false);
    for (int m = 0; m < measures; ++m) {
        distinct[size_t(m)] = def.schema.measures[m].aggregate == Aggregate::DistinctCount;
        if (measureColumn[m] >= 0)
            (distinct[size_t(m)] ? out.measures[size_t(m)].whole.reserve(expectedRows)
                                 : out.measures[size_t(m)].integers.reserve(expectedRows));
    }

    SqliteDatabase::Statement st(
        db,
        QStringLiteral("SELECT %1 FROM %2 %3")
            .arg(columns.join(QStringLiteral(", ")), quoteIdentifier(def.factTable), condition));
    std::vector<int32_t> rows(static_cast<size_t>(hierarchies));
    constexpr qint64 kReportEvery = 1 << 14;
    qint64 unreported = 0;
    while (st.next()) {
        if (progress && ++unreported == kReportEvery) {
            progress->rowsRead += unreported;
            unreported = 0;
        }
        bool matched = true;   // facts without a dimension row are left out, as an inner join would
        for (int h = 0; h < hierarchies && matched; ++h) {
            rows[size_t(h)] = keys[size_t(h)].find(sqlite3_column_value(st.handle(), h));
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
            sqlite3_value* value = sqlite3_column_value(st.handle(), c);
            if (distinct[size_t(m)])
                out.measures[size_t(m)].addDistinct(value);
            else
                out.measures[size_t(m)].addValue(value);
        }
    }
    if (progress)
        progress->rowsRead += unreported;
}

// Joins one column of every chunk, each chunk copied into its place by a thread of its own
// and freed once copied, so that the peak stays near one copy of the data.
template<typename T, typename Part, typename Map>
std::vector<T> joinColumns(std::vector<FactChunk>& chunks, const Part& partOf, const Map& mapValue)
{
    std::vector<size_t> offsets{0};
    for (FactChunk& c : chunks)
        offsets.push_back(offsets.back() + partOf(c).size());
    std::vector<T> joined(offsets.back());
    inParallel(chunks.size(), [&](size_t k) {
        auto& part = partOf(chunks[k]);
        T* out = joined.data() + offsets[k];
        for (const auto& v : part)
            *out++ = mapValue(k, v);
        std::decay_t<decltype(part)>().swap(part);
    });
    return joined;
}

// Numbers the distinct whole numbers of all chunks in ascending order. A compact range is
// ranked through a bitmap in linear time; a sparse one through a sorted copy.
void numberWholeValues(std::vector<FactChunk>& chunks, size_t m, MeasureColumn& out)
{
    qint64 low = INT64_MAX;
    qint64 high = INT64_MIN;
    size_t count = 0;
    for (const FactChunk& c : chunks) {
        for (qint64 v : c.measures[m].whole) {
            if (v == ChunkMeasure::kNoWhole)
                continue;
            low = std::min(low, v);
            high = std::max(high, v);
            ++count;
        }
    }
    const auto part = [m](FactChunk& c) -> std::vector<qint64>& { return c.measures[m].whole; };
    if (count == 0) {
        out.integers = joinColumns<int32_t>(chunks, part, [](size_t, qint64) { return int32_t(-1); });
        return;
    }
    const quint64 span = quint64(high) - quint64(low);
    if (span < quint64(std::max<size_t>(64 * count, size_t(1) << 20))) {
        std::vector<uint64_t> bits(size_t(span / 64 + 1), 0);
        for (const FactChunk& c : chunks) {
            for (qint64 v : c.measures[m].whole) {
                if (v != ChunkMeasure::kNoWhole) {
                    const quint64 at = quint64(v) - quint64(low);
                    bits[at / 64] |= uint64_t(1) << (at % 64);
                }
            }
        }
        std::vector<int32_t> before(bits.size());
        int32_t seen = 0;
        for (size_t w = 0; w < bits.size(); ++w) {
            before[w] = seen;
            for (uint64_t word = bits[w]; word; word &= word - 1)
                out.distinctWhole.push_back(qint64(quint64(low) + w * 64 + unsigned(__builtin_ctzll(word))));
            seen += int32_t(__builtin_popcountll(bits[w]));
        }
        out.integers = joinColumns<int32_t>(chunks, part, [&](size_t, qint64 v) {
            if (v == ChunkMeasure::kNoWhole)
                return int32_t(-1);
            const quint64 at = quint64(v) - quint64(low);
            const uint64_t below = bits[at / 64] & ((uint64_t(1) << (at % 64)) - 1);
            return before[at / 64] + int32_t(__builtin_popcountll(below));
        });
        return;
    }
    for (const FactChunk& c : chunks) {
        for (qint64 v : c.measures[m].whole) {
            if (v != ChunkMeasure::kNoWhole)
                out.distinctWhole.push_back(v);
        }
    }
    std::sort(out.distinctWhole.begin(), out.distinctWhole.end());
    out.distinctWhole.erase(std::unique(out.distinctWhole.begin(), out.distinctWhole.end()), out.distinctWhole.end());
    out.integers = joinColumns<int32_t>(chunks, part, [&](size_t, qint64 v) {
        if (v == ChunkMeasure::kNoWhole)
            return int32_t(-1);
        return int32_t(std::lower_bound(out.distinctWhole.begin(), out.distinctWhole.end(), v)
                       - out.distinctWhole.begin());
    });
}

// Each chunk numbered its distinct texts itself; renumbers them by value across chunks.
void numberTexts(std::vector<FactChunk>& chunks, size_t m, MeasureColumn& out)
{
    QHash<QString, int32_t> ids;
    std::vector<std::vector<int32_t>> renumber(chunks.size());
    for (size_t k = 0; k < chunks.size(); ++k) {
        chunks[k].measures[m].toTexts();
        for (const QString& value : chunks[k].measures[m].dictionary.values) {
            const auto it = ids.constFind(value);
            if (it != ids.constEnd()) {
                renumber[k].push_back(it.value());
                continue;
            }
            const int32_t id = int32_t(out.distinctTexts.size());
            out.distinctTexts.push_back(value);
            ids.insert(value, id);
            renumber[k].push_back(id);
        }
    }
    out.integers = joinColumns<int32_t>(
        chunks, [m](FactChunk& c) -> std::vector<int32_t>& { return c.measures[m].textIds; },
        [&](size_t k, int32_t id) { return id < 0 ? id : renumber[k][size_t(id)]; });
}

MeasureColumn joinMeasure(std::vector<FactChunk>& chunks, const CubeDefinition& def, size_t m)
{
    MeasureColumn out;
    if (def.measures[qsizetype(m)].column.isEmpty())
        return out;
    if (def.schema.measures[qsizetype(m)].aggregate == Aggregate::DistinctCount) {
        out.kind = MeasureColumn::Kind::Distinct;
        const bool texts =
            std::any_of(chunks.begin(), chunks.end(), [m](const FactChunk& c) { return c.measures[m].texts; });
        texts ? numberTexts(chunks, m, out) : numberWholeValues(chunks, m, out);
        return out;
    }
    const bool reals =
        std::any_of(chunks.begin(), chunks.end(), [m](const FactChunk& c) { return c.measures[m].reals; });
    const auto same = [](size_t, auto v) { return v; };
    if (!reals) {
        out.kind = MeasureColumn::Kind::Integers;
        out.integers = joinColumns<int32_t>(
            chunks, [m](FactChunk& c) -> std::vector<int32_t>& { return c.measures[m].integers; }, same);
        return out;
    }
    out.kind = MeasureColumn::Kind::Reals;
    for (FactChunk& c : chunks) {   // a chunk of integers is joined as doubles
        ChunkMeasure& cm = c.measures[m];
        if (!cm.reals) {
            for (int32_t v : cm.integers)
                cm.realValues.push_back(v == MeasureColumn::kNoInteger ? std::nan("") : double(v));
            std::vector<int32_t>().swap(cm.integers);
        }
    }
    out.reals = joinColumns<double>(
        chunks, [m](FactChunk& c) -> std::vector<double>& { return c.measures[m].realValues; }, same);
    return out;
}

// Large fact tables are read in rowid stretches on several threads. Each reader counts its
// stretch before reading it (a walk over its pages), to reserve its columns exactly; the
// counts give the progress its total once all are in.
struct Stretch
{
    QString condition;
    bool counted = true;   // false: no count first (a view, which is counted for its limit)
};

std::vector<Stretch> stretches(SqliteDatabase& db, const CubeDefinition& def)
{
    const QString limit = rowLimit(db, def.factTable);
    if (!limit.isEmpty())
        return {Stretch{limit, false}};
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    qint64 first = 0;
    qint64 last = 0;
    try {
        // Each in a query of its own, which SQLite answers from the ends of the table.
        const QString table = quoteIdentifier(def.factTable);
        SqliteDatabase::Statement st(
            db, QStringLiteral("SELECT (SELECT min(rowid) FROM %1), (SELECT max(rowid) FROM %1)").arg(table));
        if (st.next()) {
            first = st.value(0).toLongLong();
            last = st.value(1).toLongLong();
        }
    } catch (const platform::VbError&) {
        return {Stretch{QString(), false}};   // a table without rowids: read it in one go
    }
    constexpr quint64 kRowsPerStretch = 100000;
    // Rowids may lie anywhere in the 64-bit range: the distance between the first and the
    // last is taken unsigned, and each stretch's bounds are offsets that never exceed it.
    const quint64 distance = quint64(last) - quint64(first);
    if (threads == 1 || distance < 2 * kRowsPerStretch - 1)
        return {Stretch{}};
    const auto offset = [&](unsigned t) { return distance / threads * t + distance % threads * t / threads; };
    std::vector<Stretch> result;
    for (unsigned t = 0; t < threads; ++t) {
        const quint64 from = offset(t);
        const quint64 to = t + 1 == threads ? distance : offset(t + 1) - 1;
        result.push_back({QStringLiteral("WHERE rowid BETWEEN %1 AND %2")
                              .arg(qint64(quint64(first) + from))
                              .arg(qint64(quint64(first) + to))});
    }
    return result;
}

void readFacts(SqliteDatabase& db, CubeData& data, const std::vector<DimensionGroup>& groups,
               const std::vector<KeyMap>& keys, ReadProgress* progress)
{
    const CubeDefinition& def = data.definition;
    const std::vector<Stretch> conditions = stretches(db, def);
    std::vector<FactChunk> chunks(conditions.size());
    std::atomic<size_t> uncounted{conditions.size()};
    std::atomic<qint64> counted{0};
    inParallel(conditions.size(), [&](size_t i) {
        SqliteDatabase own(db.path());
        size_t rows = 0;
        if (conditions[i].counted) {
            SqliteDatabase::Statement st(own,
                                         QStringLiteral("SELECT count(*) FROM %1 %2")
                                             .arg(quoteIdentifier(def.factTable), conditions[i].condition));
            rows = st.next() ? size_t(std::max<qint64>(0, st.value(0).toLongLong())) : 0;
            counted += qint64(rows);
            if (--uncounted == 0 && progress)
                progress->rowCount = counted.load();
        }
        readFactChunk(own, def, groups, keys, conditions[i].condition, rows, chunks[i], progress);
    });

    const auto same = [](size_t, int32_t v) { return v; };
    data.factKeys.resize(groups.size());
    for (size_t g = 0; g < groups.size(); ++g) {
        const size_t dimensionRows = size_t(data.indexes[size_t(groups[g].hierarchies.front())].rowCount());
        data.factKeys[g] =
            KeyColumn(joinColumns<int32_t>(
                          chunks, [g](FactChunk& c) -> std::vector<int32_t>& { return c.factRows[g]; }, same),
                      dimensionRows);
    }
    data.factCount = data.factKeys.empty() ? 0 : data.factKeys[0].size();
    for (size_t m = 0; m < size_t(def.measures.size()); ++m)
        data.measures.push_back(joinMeasure(chunks, def, m));
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

}

KeyColumn::KeyColumn(std::vector<int32_t>&& rows, size_t dimensionRows) : m_size(rows.size())
{
    if (dimensionRows <= 0xFF)
        m_bytes.assign(rows.begin(), rows.end());
    else if (dimensionRows <= 0xFFFF)
        m_shorts.assign(rows.begin(), rows.end());
    else
        m_wide = std::move(rows);
}

QVariant MeasureColumn::value(size_t fact) const
{
    switch (kind) {
    case Kind::Rows:
        return {};
    case Kind::Integers:
        return integers[fact] == kNoInteger ? QVariant() : QVariant(double(integers[fact]));
    case Kind::Reals:
        return std::isnan(reals[fact]) ? QVariant() : QVariant(reals[fact]);
    case Kind::Distinct: {
        const int32_t id = integers[fact];
        if (id < 0)
            return {};
        return distinctTexts.empty() ? QVariant(QString::number(distinctWhole[size_t(id)]))
                                     : QVariant(distinctTexts[size_t(id)]);
    }
    }
    return {};
}

namespace {

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
    std::vector<KeyMap> keys(groups.size());
    inParallel(groups.size(), [&](size_t g) {
        SqliteDatabase own(path);
        keys[g] = readDimension(own, def, groups[g], data->indexes);
    });
    readFacts(db, *data, groups, keys, progress);
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
