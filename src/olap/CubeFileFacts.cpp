#include "olap/CubeFileFacts.h"

#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <sqlite3.h>

namespace olap {

namespace {

// A value's text as Statement::text() gives a column's.
QString textOf(sqlite3_value* value)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return bytes ? QString::fromUtf8(bytes, sqlite3_value_bytes(value)) : QString();
}

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

// One measure's values in one stretch of the fact table. Values are kept as 32-bit integers
// while every one is a whole number that fits, as 64-bit ones while every one is a whole number,
// as doubles from the first that is not; a distinct count's values as whole numbers while they
// are, as texts from the first that is not.
struct ChunkMeasure
{
    static constexpr qint64 kNoWhole = INT64_MIN;

    bool reals = false;
    bool wide = false;
    std::vector<int32_t> integers;
    std::vector<qint64> wideValues;
    std::vector<double> realValues;

    bool texts = false;
    std::vector<qint64> whole;
    std::vector<int32_t> textIds;
    TextDictionary dictionary;

    void addValue(sqlite3_value* value)
    {
        const int type = sqlite3_value_type(value);
        if (type == SQLITE_NULL) {
            if (reals)
                realValues.push_back(std::nan(""));
            else if (wide)
                wideValues.push_back(MeasureColumn::kNoWide);
            else
                integers.push_back(MeasureColumn::kNoInteger);
            return;
        }
        if (!reals && type == SQLITE_INTEGER) {
            const qint64 v = sqlite3_value_int64(value);
            if (!wide && v > MeasureColumn::kNoInteger && v <= INT32_MAX) {
                integers.push_back(int32_t(v));
                return;
            }
            // The one value that marks none (-2^63) is kept as a double, as the column then is.
            if (v != MeasureColumn::kNoWide) {
                toWide();
                wideValues.push_back(v);
                return;
            }
        }
        toReals();
        realValues.push_back(sqlite3_value_double(value));
    }

    void toWide()
    {
        if (wide || reals)
            return;
        wideValues.reserve(integers.capacity());
        for (int32_t v : integers)
            wideValues.push_back(v == MeasureColumn::kNoInteger ? MeasureColumn::kNoWide : v);
        std::vector<int32_t>().swap(integers);
        wide = true;
    }

    void toReals()
    {
        if (reals)
            return;
        realValues.reserve(std::max(integers.capacity(), wideValues.capacity()));
        for (int32_t v : integers)
            realValues.push_back(v == MeasureColumn::kNoInteger ? std::nan("") : double(v));
        for (qint64 v : wideValues)
            realValues.push_back(v == MeasureColumn::kNoWide ? std::nan("") : double(v));
        std::vector<int32_t>().swap(integers);
        std::vector<qint64>().swap(wideValues);
        reals = true;
        wide = false;
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
                   const std::vector<DimensionKeys>& keys, const QString& condition, size_t expectedRows,
                   FactChunk& out, ReadProgress* progress)
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

// Joins one column of every chunk, each chunk copied into its place by a task of its own
// and freed once copied, so that the peak stays near one copy of the data.
template<typename T, typename Part, typename Map>
std::vector<T> joinColumns(std::vector<FactChunk>& chunks, const Part& partOf, const Map& mapValue)
{
    std::vector<size_t> offsets{0};
    for (FactChunk& c : chunks)
        offsets.push_back(offsets.back() + partOf(c).size());
    std::vector<T> joined(offsets.back());
    forEachTask(chunks.size(), [&](size_t k, size_t) {
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
    const auto any = [&chunks, m](bool ChunkMeasure::*flag) {
        return std::any_of(chunks.begin(), chunks.end(), [m, flag](const FactChunk& c) { return c.measures[m].*flag; });
    };
    if (def.schema.measures[qsizetype(m)].aggregate == Aggregate::DistinctCount) {
        out.kind = MeasureColumn::Kind::Distinct;
        any(&ChunkMeasure::texts) ? numberTexts(chunks, m, out) : numberWholeValues(chunks, m, out);
        return out;
    }
    const auto same = [](size_t, auto v) { return v; };
    if (!any(&ChunkMeasure::reals) && !any(&ChunkMeasure::wide)) {
        out.kind = MeasureColumn::Kind::Integers;
        out.integers = joinColumns<int32_t>(
            chunks, [m](FactChunk& c) -> std::vector<int32_t>& { return c.measures[m].integers; }, same);
        return out;
    }
    if (!any(&ChunkMeasure::reals)) {
        out.kind = MeasureColumn::Kind::Wide;
        for (FactChunk& c : chunks)
            c.measures[m].toWide();
        out.wide = joinColumns<qint64>(
            chunks, [m](FactChunk& c) -> std::vector<qint64>& { return c.measures[m].wideValues; }, same);
        return out;
    }
    out.kind = MeasureColumn::Kind::Reals;
    for (FactChunk& c : chunks)
        c.measures[m].toReals();
    out.reals = joinColumns<double>(
        chunks, [m](FactChunk& c) -> std::vector<double>& { return c.measures[m].realValues; }, same);
    return out;
}

// Large fact tables are read in rowid stretches on the worker pool. Each reader counts its
// stretch before reading it (a walk over its pages), to reserve its columns exactly; the
// counts give the progress its total once all are in.
struct Stretch
{
    QString condition;
    bool counted = true;   // false: no count first (a view, which is counted for its limit)
};

std::vector<Stretch> stretches(SqliteDatabase& db, const CubeDefinition& def)
{
    const QString limit = viewRowLimit(db, def.factTable);
    if (!limit.isEmpty())
        return {Stretch{limit, false}};
    const unsigned threads = unsigned(std::clamp<size_t>(workerCount(), 1, 8));
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

}

void readFacts(WorkerConnections& connections, CubeData& data, const std::vector<DimensionGroup>& groups,
               const std::vector<DimensionKeys>& keys, ReadProgress* progress)
{
    const CubeDefinition& def = data.definition;
    const std::vector<Stretch> conditions = stretches(connections.of(0), def);
    std::vector<FactChunk> chunks(conditions.size());
    std::atomic<size_t> uncounted{conditions.size()};
    std::atomic<qint64> counted{0};
    forEachTask(conditions.size(), [&](size_t i, size_t worker) {
        SqliteDatabase& own = connections.of(worker);
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

QString viewRowLimit(SqliteDatabase& db, const QString& table)
{
    if (db.objectType(table).compare(QLatin1String("view"), Qt::CaseInsensitive) != 0)
        return {};
    SqliteDatabase::Statement st(db, QStringLiteral("SELECT count(*) FROM %1").arg(quoteIdentifier(table)));
    const qint64 count = st.next() ? st.value(0).toLongLong() : 0;
    return QStringLiteral(" LIMIT %1").arg(count);
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
        return integers[fact] == kNoInteger ? QVariant() : QVariant(qint64(integers[fact]));
    case Kind::Wide:
        return wide[fact] == kNoWide ? QVariant() : QVariant(wide[fact]);
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

}
