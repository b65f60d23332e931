#include "olap/MemoryAggregator.h"

#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace olap {

namespace {

constexpr size_t kStretch = size_t(1) << 14;   // facts one task scans
constexpr size_t kBatch = 1024;                // facts filtered and coded together
constexpr int kPartitionBits = 6;
constexpr size_t kPartitions = size_t(1) << kPartitionBits;
constexpr uint64_t kDenseCodes = uint64_t(1) << 18;   // group codes below this are slots of an array
constexpr size_t kBitmapBytes = size_t(64) << 20;     // distinct-value bitmaps a query may hold
constexpr uint32_t kNone = UINT32_MAX;
constexpr size_t kPrefetch = 16;   // facts ahead whose measures are fetched

uint64_t mix(uint64_t k)
{
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    k *= 0xc4ceb9fe1a85ec53ULL;
    k ^= k >> 33;
    return k;
}

size_t hashPartition(uint64_t key)
{
    return size_t(mix(key) >> (64 - kPartitionBits));
}

struct Accumulator
{
    double sum = 0;
    int64_t whole = 0;   // integer measures sum exactly
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    int64_t count = 0;   // values that are not empty (rows, for a count of rows)

    void add(double v)
    {
        sum += v;
        min = std::min(min, v);
        max = std::max(max, v);
        ++count;
    }
    void addWhole(int32_t v)
    {
        whole += v;
        min = std::min(min, double(v));
        max = std::max(max, double(v));
        ++count;
    }
    void merge(const Accumulator& o)
    {
        sum += o.sum;
        whole += o.whole;
        min = std::min(min, o.min);
        max = std::max(max, o.max);
        count += o.count;
    }
    double total() const { return sum + double(whole); }
};

// Open addressing from 64-bit keys to dense slots, in the order keys first came; each slot
// has `width` accumulators.
class SlotTable
{
public:
    explicit SlotTable(size_t width = 0) : m_width(width) {}

    Accumulator* add(uint64_t key) { return at(slot(key)); }
    uint32_t slot(uint64_t key)
    {
        if ((m_keys.size() + 1) * 2 > m_entries.size())
            grow();
        for (size_t i = mix(key) & m_mask;; i = (i + 1) & m_mask) {
            Entry& e = m_entries[i];
            if (e.slot == kNone) {
                e = {key, uint32_t(m_keys.size())};
                m_keys.push_back(key);
                m_accumulators.resize(m_accumulators.size() + m_width);
                return e.slot;
            }
            if (e.key == key)
                return e.slot;
        }
    }
    uint32_t find(uint64_t key) const
    {
        if (m_entries.empty())
            return kNone;
        for (size_t i = mix(key) & m_mask;; i = (i + 1) & m_mask) {
            const Entry& e = m_entries[i];
            if (e.slot == kNone || e.key == key)
                return e.slot;
        }
    }
    size_t size() const { return m_keys.size(); }
    uint64_t key(uint32_t slot) const { return m_keys[slot]; }
    Accumulator* at(uint32_t slot) { return m_accumulators.data() + size_t(slot) * m_width; }
    const Accumulator* at(uint32_t slot) const { return m_accumulators.data() + size_t(slot) * m_width; }

private:
    struct Entry
    {
        uint64_t key = 0;
        uint32_t slot = kNone;
    };
    void grow()
    {
        std::vector<Entry> old = std::move(m_entries);
        m_entries.assign(std::max<size_t>(16, old.size() * 2), Entry{});
        m_mask = m_entries.size() - 1;
        for (const Entry& e : old) {
            if (e.slot == kNone)
                continue;
            size_t i = mix(e.key) & m_mask;
            while (m_entries[i].slot != kNone)
                i = (i + 1) & m_mask;
            m_entries[i] = e;
        }
    }

    size_t m_width;
    size_t m_mask = 0;
    std::vector<Entry> m_entries;
    std::vector<uint64_t> m_keys;
    std::vector<Accumulator> m_accumulators;
};

using PartitionedTables = std::vector<SlotTable>;   // kPartitions of them

// Merges every worker's partition p into one table, partitions in parallel.
PartitionedTables mergePartitions(std::vector<PartitionedTables>& byWorker, size_t width)
{
    PartitionedTables merged(kPartitions, SlotTable(width));
    forEachTask(kPartitions, [&](size_t p, size_t) {
        SlotTable& into = merged[p];
        for (PartitionedTables& worker : byWorker) {
            if (worker.empty())
                continue;
            SlotTable& from = worker[p];
            for (uint32_t s = 0; s < from.size(); ++s) {
                Accumulator* target = into.add(from.key(s));
                const Accumulator* source = from.at(s);
                for (size_t m = 0; m < width; ++m)
                    target[m].merge(source[m]);
            }
            from = SlotTable(width);
        }
    });
    return merged;
}

// Where a merged partition's slots start in one numbering of all slots.
std::vector<size_t> slotBases(const PartitionedTables& tables)
{
    std::vector<size_t> bases(tables.size() + 1, 0);
    for (size_t p = 0; p < tables.size(); ++p)
        bases[p + 1] = bases[p] + tables[p].size();
    return bases;
}

struct Field
{
    const KeyColumn* factRows = nullptr;
    std::vector<int32_t> localOfRow;   // by dimension row: dense index of its deepest visible member, -1: dropped
    std::vector<int> memberOfLocal;
    uint64_t radix = 1;
};

struct MeasureInput
{
    Aggregate aggregate = Aggregate::Sum;
    MeasureColumn::Kind kind = MeasureColumn::Kind::Rows;
    const int32_t* integers = nullptr;
    const double* reals = nullptr;
    int distinct = -1;   // index among the query's distinct counts
};

// A distinct count's state: a bitmap of value ids per group when groups and values are few
// enough, else the (group slot << 32 | value id) keys of each partition, sorted and unique.
struct DistinctInput
{
    size_t measure = 0;                        // index among the query's measures
    size_t values = 0;                         // distinct values in the cube
    size_t words = 0;                          // 64-bit words per bitmap
    std::vector<uint64_t> bitmaps;             // by group code, then word; empty: keys
    std::vector<std::vector<uint64_t>> keys;   // by partition
};

// A fact that the scan kept, with its group.
struct GroupedFact
{
    uint64_t code;
    size_t fact;
};

// The state of one worker during the scan. With few group codes it aggregates into an
// array by code; otherwise it only sorts the facts into partitions by their group's hash,
// and each partition is then aggregated by one task, in a table small enough for the cache.
struct WorkerGroups
{
    std::vector<uint32_t> denseSlot;   // by group code
    std::vector<uint64_t> denseCodes;
    std::vector<Accumulator> denseAccumulators;
    std::vector<std::vector<std::pair<uint64_t, int32_t>>> densePairs;   // by distinct: (code, value id)
    std::vector<std::vector<GroupedFact>> facts;                         // by partition
};

// One place an axis code counts towards.
struct AxisPlace
{
    int position = 0;
    bool shown = false;   // the layout shows it with the query's totals
    bool all = false;     // the all-All position
    bool leaf = false;    // the code's own position, which no other code shares
};

// The places of every axis code that a group has, found once per code and kept in one
// array, so that a group holds only its code's number.
struct AxisPlaces
{
    SlotTable codes;                  // axis code -> its number
    std::vector<uint32_t> begin{0};   // by code number: where its places start in `places`
    std::vector<AxisPlace> places;
    std::vector<int> leaf;   // by code number: the code's own position
    AxisPlace all;           // the all-All position, which every code has
    // By field, then the axis code's part up to that field: the places the field adds.
    std::vector<std::unordered_map<uint64_t, std::vector<AxisPlace>>> byPrefix;

    const AxisPlace* first(uint32_t code) const { return places.data() + begin[code]; }
    const AxisPlace* last(uint32_t code) const { return places.data() + begin[code + 1]; }
};

class Aggregation
{
public:
    Aggregation(const CubeData& data, const QueryPlan& plan, const PivotQuery& query)
        : m_data(data), m_plan(plan), m_query(query), m_width(plan.measures.size())
    {
    }

    CellTable run();

private:
    void prepareFields();
    void prepareMeasures();
    void scan(size_t begin, size_t end, WorkerGroups& groups);
    template<typename D>
    void addFact(Accumulator* acc, size_t fact, D&& distinct) const;
    void prefetchFact(size_t fact) const;
    size_t partitionOf(uint64_t code) const;
    void mergeGroups(std::vector<WorkerGroups>& workers);
    void placeGroups(CellTable& table);
    uint32_t placesOf(uint64_t axisCode, bool rows, CellTable& table);
    template<typename F>
    void forEachCell(size_t p, uint32_t slot, F&& f) const;
    void rollUp();
    void countDistinct(std::vector<WorkerGroups>& workers);
    void writeValues(std::optional<double>* out, const Accumulator* acc, const std::vector<int64_t>* const* counts,
                     size_t at) const;
    void writeCells(CellTable& table) const;

    const CubeData& m_data;
    const QueryPlan& m_plan;
    const PivotQuery& m_query;
    const size_t m_width;
    std::vector<Field> m_fields;   // row fields, then column fields
    std::vector<std::pair<const KeyColumn*, const uint8_t*>> m_offAxisFilters;
    std::vector<MeasureInput> m_measures;
    std::vector<DistinctInput> m_distinct;
    uint64_t m_columnSpace = 1;
    uint64_t m_space = 1;
    bool m_dense = true;

    PartitionedTables m_groups;   // merged, by partitionOf(code)
    std::vector<size_t> m_groupBase;
    // By group (m_groupBase[p] + slot): the numbers of its axis codes in m_rowPlaces and
    // m_columnPlaces.
    std::vector<uint32_t> m_groupRows;
    std::vector<uint32_t> m_groupColumns;
    AxisPlaces m_rowPlaces;
    AxisPlaces m_columnPlaces;
    bool m_rowsSorted = false;
    bool m_columnsSorted = false;
    bool m_totals = false;   // any total cell is needed: else every cell is a group's own

    PartitionedTables m_cells;   // total cells, merged, keyed by (row position << 32 | column position)
    std::vector<size_t> m_cellBase;
    std::vector<std::vector<int64_t>> m_leafCounts;    // by distinct, then group
    std::vector<std::vector<int64_t>> m_totalCounts;   // by distinct, then total cell
};

void Aggregation::prepareFields()
{
    const auto add = [this](const FieldPlan& plan) {
        Field f;
        f.factRows = &m_data.rowsOf(plan.hierarchy);
        std::vector<int32_t> localOfMember(plan.visible.size(), -1);
        for (size_t id = 0; id < plan.visible.size(); ++id) {
            if (plan.visible[id]) {
                localOfMember[id] = int32_t(f.memberOfLocal.size());
                f.memberOfLocal.push_back(int(id));
            }
        }
        f.localOfRow.resize(plan.rowLeaf.size());
        for (size_t row = 0; row < plan.rowLeaf.size(); ++row)
            f.localOfRow[row] = plan.rowLeaf[row] < 0 ? -1 : localOfMember[size_t(plan.rowLeaf[row])];
        f.radix = std::max<uint64_t>(1, f.memberOfLocal.size());
        m_fields.push_back(std::move(f));
    };
    for (const FieldPlan& p : m_plan.rows)
        add(p);
    for (const FieldPlan& p : m_plan.columns)
        add(p);
    // The filter that keeps the fewest dimension rows goes first, so most facts are
    // dropped after one look-up.
    std::vector<std::pair<double, const HierarchyFilter*>> bySelectivity;
    for (const HierarchyFilter* f : m_plan.filtersOffAxes()) {
        const double kept = double(std::count(f->rowAllowed.begin(), f->rowAllowed.end(), 1));
        bySelectivity.emplace_back(kept / double(std::max<size_t>(1, f->rowAllowed.size())), f);
    }
    std::stable_sort(bySelectivity.begin(), bySelectivity.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [share, f] : bySelectivity)
        m_offAxisFilters.emplace_back(&m_data.rowsOf(f->hierarchy), f->rowAllowed.data());

    long double space = 1;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        space *= m_fields[i].radix;
        m_space *= m_fields[i].radix;
        if (i >= m_plan.rows.size())
            m_columnSpace *= m_fields[i].radix;
    }
    if (space > (long double)(uint64_t(1) << 62))
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("olap", "The query has too many member combinations."),
                             QStringLiteral("CubeSource"));
    m_dense = m_space <= kDenseCodes;
    const auto sorted = [](const Axis& a) { return a.sortByValue != SortOrder::None && a.sortByMeasure.has_value(); };
    m_rowsSorted = sorted(m_query.rows);
    m_columnsSorted = sorted(m_query.columns);
    // An axis without fields has only its all-All position, which is every group's own.
    const auto totals = [](const Axis& a) { return !a.fields.isEmpty() && (a.subtotals || a.grandTotal); };
    m_totals = m_rowsSorted || m_columnsSorted || totals(m_query.rows) || totals(m_query.columns);
}

void Aggregation::prepareMeasures()
{
    size_t bitmapBytes = 0;
    for (size_t i = 0; i < m_width; ++i) {
        const int m = m_plan.measures[i];
        const MeasureColumn& column = m_data.measures[size_t(m)];
        MeasureInput in;
        in.aggregate = m_data.definition.schema.measures[m].aggregate;
        in.kind = column.kind;
        in.integers = column.integers.data();
        in.reals = column.reals.data();
        if (in.kind == MeasureColumn::Kind::Distinct) {
            in.distinct = int(m_distinct.size());
            DistinctInput d;
            d.measure = i;
            d.values = column.distinctCount();
            d.words = d.values / 64 + 1;
            const size_t bytes = size_t(m_space) * d.words * 8;
            if (m_dense && bitmapBytes + bytes <= kBitmapBytes) {
                bitmapBytes += bytes;
                d.bitmaps.assign(size_t(m_space) * d.words, 0);
            }
            m_distinct.push_back(std::move(d));
        }
        m_measures.push_back(in);
    }
}

size_t Aggregation::partitionOf(uint64_t code) const
{
    return m_dense ? size_t(code * kPartitions / m_space) : hashPartition(code);
}

// Adds one fact's values to a group's accumulators; a distinct count's value id goes to
// distinct(index among the distinct counts, id).
template<typename D>
void Aggregation::addFact(Accumulator* acc, size_t fact, D&& distinct) const
{
    for (size_t m = 0; m < m_width; ++m) {
        const MeasureInput& in = m_measures[m];
        switch (in.kind) {
        case MeasureColumn::Kind::Rows:
            ++acc[m].count;
            break;
        case MeasureColumn::Kind::Integers:
            if (in.integers[fact] != MeasureColumn::kNoInteger)
                acc[m].addWhole(in.integers[fact]);
            break;
        case MeasureColumn::Kind::Reals:
            if (!std::isnan(in.reals[fact]))
                acc[m].add(in.reals[fact]);
            break;
        case MeasureColumn::Kind::Distinct:
            if (in.integers[fact] >= 0)
                distinct(size_t(in.distinct), in.integers[fact]);
            break;
        }
    }
}

void Aggregation::prefetchFact(size_t fact) const
{
    for (const MeasureInput& in : m_measures) {
        if (in.kind == MeasureColumn::Kind::Reals)
            __builtin_prefetch(in.reals + fact);
        else if (in.kind != MeasureColumn::Kind::Rows)
            __builtin_prefetch(in.integers + fact);
    }
}

void Aggregation::scan(size_t begin, size_t end, WorkerGroups& groups)
{
    if (m_dense && groups.denseSlot.empty()) {
        groups.denseSlot.assign(size_t(m_space), kNone);
        groups.densePairs.resize(m_distinct.size());
    }
    if (!m_dense && groups.facts.empty())
        groups.facts.resize(kPartitions);

    uint32_t selected[kBatch];
    uint64_t codes[kBatch];
    for (size_t first = begin; first < end; first += kBatch) {
        size_t count = std::min(kBatch, end - first);
        for (size_t i = 0; i < count; ++i)
            selected[i] = uint32_t(i);
        for (const auto& [column, allowed] : m_offAxisFilters) {
            count = column->visit([&, allowed = allowed](const auto* rows) {
                rows += first;
                size_t kept = 0;
                for (size_t i = 0; i < count; ++i) {
                    const uint32_t s = selected[i];
                    selected[kept] = s;
                    kept += allowed[size_t(rows[s])];
                }
                return kept;
            });
        }
        std::fill(codes, codes + count, 0);
        for (const Field& f : m_fields) {
            count = f.factRows->visit([&](const auto* rows) {
                rows += first;
                const int32_t* localOfRow = f.localOfRow.data();
                size_t kept = 0;
                for (size_t i = 0; i < count; ++i) {
                    const int32_t local = localOfRow[size_t(rows[selected[i]])];
                    selected[kept] = selected[i];
                    codes[kept] = codes[i] * f.radix + uint64_t(local);
                    kept += local >= 0;
                }
                return kept;
            });
        }
        if (!m_dense) {
            for (size_t i = 0; i < count; ++i)
                groups.facts[hashPartition(codes[i])].push_back({codes[i], first + selected[i]});
            continue;
        }
        for (size_t i = 0; i < count; ++i) {
            const uint64_t code = codes[i];
            uint32_t& slot = groups.denseSlot[code];
            if (slot == kNone) {
                slot = uint32_t(groups.denseCodes.size());
                groups.denseCodes.push_back(code);
                groups.denseAccumulators.resize(groups.denseAccumulators.size() + m_width);
            }
            addFact(groups.denseAccumulators.data() + size_t(slot) * m_width, first + selected[i],
                    [&](size_t d, int32_t id) {
                        DistinctInput& in = m_distinct[d];
                        if (in.bitmaps.empty()) {
                            groups.densePairs[d].emplace_back(code, id);
                            return;
                        }
                        const uint64_t bit = uint64_t(1) << (id % 64);
                        std::atomic_ref<uint64_t> word(in.bitmaps[size_t(code) * in.words + size_t(id) / 64]);
                        if (!(word.load(std::memory_order_relaxed) & bit))
                            word.fetch_or(bit, std::memory_order_relaxed);
                    });
        }
    }
}

void Aggregation::mergeGroups(std::vector<WorkerGroups>& workers)
{
    if (!m_dense) {
        m_groups.assign(kPartitions, SlotTable(m_width));
        for (DistinctInput& d : m_distinct)
            d.keys.resize(kPartitions);
        forEachTask(kPartitions, [&](size_t p, size_t) {
            SlotTable& table = m_groups[p];
            for (WorkerGroups& w : workers) {
                if (w.facts.empty())
                    continue;
                const std::vector<GroupedFact>& facts = w.facts[p];
                for (size_t i = 0; i < facts.size(); ++i) {
                    // A partition's facts lie far apart in the measure columns: fetch ahead.
                    if (i + kPrefetch < facts.size())
                        prefetchFact(facts[i + kPrefetch].fact);
                    const GroupedFact& f = facts[i];
                    const uint32_t slot = table.slot(f.code);
                    addFact(table.at(slot), f.fact, [&](size_t d, int32_t id) {
                        m_distinct[d].keys[p].push_back((uint64_t(slot) << 32) | uint32_t(id));
                    });
                }
                std::vector<GroupedFact>().swap(w.facts[p]);
            }
            for (DistinctInput& d : m_distinct) {
                std::sort(d.keys[p].begin(), d.keys[p].end());
                d.keys[p].erase(std::unique(d.keys[p].begin(), d.keys[p].end()), d.keys[p].end());
            }
        });
    } else {
        // Each partition is a range of codes, merged in code order.
        m_groups.assign(kPartitions, SlotTable(m_width));
        forEachTask(kPartitions, [&](size_t p, size_t) {
            const uint64_t from = (p * m_space + kPartitions - 1) / kPartitions;
            const uint64_t to = ((p + 1) * m_space + kPartitions - 1) / kPartitions;
            for (uint64_t code = from; code < to; ++code) {
                for (const WorkerGroups& w : workers) {
                    if (w.denseSlot.empty() || w.denseSlot[code] == kNone)
                        continue;
                    Accumulator* target = m_groups[p].add(code);
                    const Accumulator* source = w.denseAccumulators.data() + size_t(w.denseSlot[code]) * m_width;
                    for (size_t m = 0; m < m_width; ++m)
                        target[m].merge(source[m]);
                }
            }
        });
    }
    m_groupBase = slotBases(m_groups);
}

// The places of an axis code: the all-All position, then for each field f the positions with
// the earlier fields at their leaf members, field f at each of its leaf's visible ancestors
// and the later fields at All. The positions of field f depend only on the code's part for
// fields up to f, so they are found once per such prefix.
uint32_t Aggregation::placesOf(uint64_t axisCode, bool rows, CellTable& table)
{
    AxisPlaces& cache = rows ? m_rowPlaces : m_columnPlaces;
    const uint32_t number = cache.codes.slot(axisCode);
    if (number + 1 < cache.begin.size())
        return number;
    const size_t first = rows ? 0 : m_plan.rows.size();
    const size_t count = rows ? m_plan.rows.size() : m_plan.columns.size();
    const Axis& axis = rows ? m_query.rows : m_query.columns;
    const std::vector<FieldPlan>& fields = rows ? m_plan.rows : m_plan.columns;
    PositionTable& positions = rows ? table.rows : table.columns;
    cache.byPrefix.resize(count);

    Position leaf(qsizetype(count), -1);
    std::vector<uint64_t> prefixes(count);
    uint64_t rest = axisCode;
    for (size_t i = count; i-- > 0;) {
        const Field& f = m_fields[first + i];
        prefixes[i] = rest;
        leaf[qsizetype(i)] = f.memberOfLocal[size_t(rest % f.radix)];
        rest /= f.radix;
    }
    std::vector<AxisPlace>& places = cache.places;
    if (cache.begin.size() == 1) {
        cache.all.position = positions.intern(Position(qsizetype(count), -1));
        cache.all.all = true;
        cache.all.leaf = count == 0;
        cache.all.shown = cache.all.leaf || axis.grandTotal;
    }
    places.push_back(cache.all);
    int own = cache.all.position;
    const auto placesOfField = [&](size_t f, std::vector<AxisPlace>& out) {
        Position p(qsizetype(count), -1);
        for (size_t e = 0; e < f; ++e)
            p[qsizetype(e)] = leaf[qsizetype(e)];
        for (int id = leaf[qsizetype(f)]; id >= 0; id = fields[f].index->member(id).parent) {
            p[qsizetype(f)] = id;
            AxisPlace place;
            place.position = positions.intern(p);
            place.leaf = f + 1 == count && id == leaf[qsizetype(f)];
            place.shown = place.leaf || axis.subtotals;
            out.push_back(place);
            if (place.leaf)
                own = place.position;
        }
    };
    for (size_t f = 0; f < count; ++f) {
        // The last field's prefix is the whole code, which comes only once.
        if (f + 1 == count) {
            placesOfField(f, places);
            break;
        }
        auto [at, added] = cache.byPrefix[f].try_emplace(prefixes[f]);
        if (added)
            placesOfField(f, at->second);
        places.insert(places.end(), at->second.begin(), at->second.end());
    }
    cache.begin.push_back(uint32_t(places.size()));
    cache.leaf.push_back(own);
    return number;
}

void Aggregation::placeGroups(CellTable& table)
{
    m_groupRows.resize(m_groupBase.back());
    m_groupColumns.resize(m_groupBase.back());
    for (size_t p = 0; p < kPartitions; ++p) {
        for (uint32_t s = 0; s < m_groups[p].size(); ++s) {
            const uint64_t code = m_groups[p].key(s);
            m_groupRows[m_groupBase[p] + s] = placesOf(code / m_columnSpace, true, table);
            m_groupColumns[m_groupBase[p] + s] = placesOf(code % m_columnSpace, false, table);
        }
    }
}

// Calls f(cell key, row place, column place) for every cell that group `slot` of partition p counts towards.
template<typename F>
void Aggregation::forEachCell(size_t p, uint32_t slot, F&& f) const
{
    const size_t g = m_groupBase[p] + slot;
    const AxisPlace* rowsEnd = m_rowPlaces.last(m_groupRows[g]);
    const AxisPlace* columnsEnd = m_columnPlaces.last(m_groupColumns[g]);
    for (const AxisPlace* r = m_rowPlaces.first(m_groupRows[g]); r != rowsEnd; ++r) {
        for (const AxisPlace* c = m_columnPlaces.first(m_groupColumns[g]); c != columnsEnd; ++c) {
            if ((r->shown && c->shown) || (m_rowsSorted && c->all) || (m_columnsSorted && r->all))
                f((uint64_t(uint32_t(r->position)) << 32) | uint32_t(c->position), *r, *c);
        }
    }
}

// Every group has one cell of its own, where its leaf positions meet, which no other group
// shares: it is written straight from the group. Only the total cells are rolled up, in
// tables split by the cell's hash, on every worker, then merged partition by partition.
void Aggregation::rollUp()
{
    if (!m_totals) {
        m_cells.assign(kPartitions, SlotTable(m_width));
        m_cellBase = slotBases(m_cells);
        return;
    }
    std::vector<PartitionedTables> byWorker(workerCount());
    forEachTask(kPartitions, [&](size_t p, size_t worker) {
        PartitionedTables& cells = byWorker[worker];
        if (cells.empty())
            cells.assign(kPartitions, SlotTable(m_width));
        const SlotTable& groups = m_groups[p];
        for (uint32_t s = 0; s < groups.size(); ++s) {
            const Accumulator* source = groups.at(s);
            forEachCell(p, s, [&](uint64_t key, const AxisPlace& r, const AxisPlace& c) {
                if (r.leaf && c.leaf)
                    return;
                Accumulator* target = cells[hashPartition(key)].add(key);
                for (size_t m = 0; m < m_width; ++m)
                    target[m].merge(source[m]);
            });
        }
    });
    m_cells = mergePartitions(byWorker, m_width);
    m_cellBase = slotBases(m_cells);
}

// Counts, for every distinct-count measure, the distinct value ids of each cell: first
// those of the groups' own cells (m_leafCounts, by group), then those of the total cells
// (m_totalCounts, by total cell).
void Aggregation::countDistinct(std::vector<WorkerGroups>& workers)
{
    const size_t groupCount = m_groupBase.back();
    const size_t cellCount = m_cellBase.back();
    const auto cellIndex = [this](uint64_t key) {
        const size_t q = hashPartition(key);
        return m_cellBase[q] + m_cells[q].find(key);
    };
    for (size_t d = 0; d < m_distinct.size(); ++d) {
        DistinctInput& in = m_distinct[d];
        std::vector<int64_t>& leafCounts = m_leafCounts.emplace_back(groupCount, 0);
        std::vector<int64_t>& totalCounts = m_totalCounts.emplace_back(cellCount, 0);
        if (!in.bitmaps.empty()) {
            // Few groups: each cell ORs the bitmaps of its groups and counts the bits.
            std::vector<std::vector<uint64_t>> groupsOfCell(cellCount);
            for (size_t p = 0; p < kPartitions; ++p) {
                for (uint32_t s = 0; s < m_groups[p].size(); ++s) {
                    forEachCell(p, s, [&](uint64_t key, const AxisPlace& r, const AxisPlace& c) {
                        if (!(r.leaf && c.leaf))
                            groupsOfCell[cellIndex(key)].push_back(m_groups[p].key(s));
                    });
                }
            }
            const auto bitsOf = [&in](const uint64_t* source) {
                int64_t n = 0;
                for (size_t w = 0; w < in.words; ++w)
                    n += __builtin_popcountll(source[w]);
                return n;
            };
            forEachTask(kPartitions, [&](size_t p, size_t) {
                for (uint32_t s = 0; s < m_groups[p].size(); ++s)
                    leafCounts[m_groupBase[p] + s] = bitsOf(in.bitmaps.data() + size_t(m_groups[p].key(s)) * in.words);
            });
            std::vector<std::vector<uint64_t>> buffers(workerCount());
            forEachTask(cellCount, [&](size_t cell, size_t worker) {
                std::vector<uint64_t>& bits = buffers[worker];
                bits.assign(in.words, 0);
                for (uint64_t code : groupsOfCell[cell]) {
                    const uint64_t* source = in.bitmaps.data() + size_t(code) * in.words;
                    for (size_t w = 0; w < in.words; ++w)
                        bits[w] |= source[w];
                }
                totalCounts[cell] = bitsOf(bits.data());
            });
            continue;
        }
        if (m_dense) {   // the scan kept (code, value id) pairs: key them by slot
            in.keys.assign(kPartitions, {});
            forEachTask(kPartitions, [&](size_t p, size_t) {
                const uint64_t from = (p * m_space + kPartitions - 1) / kPartitions;
                const uint64_t to = ((p + 1) * m_space + kPartitions - 1) / kPartitions;
                for (const WorkerGroups& w : workers) {
                    if (w.densePairs.empty())
                        continue;
                    for (const auto& [code, id] : w.densePairs[d]) {
                        if (code >= from && code < to)
                            in.keys[p].push_back((uint64_t(m_groups[p].find(code)) << 32) | uint32_t(id));
                    }
                }
                std::sort(in.keys[p].begin(), in.keys[p].end());
                in.keys[p].erase(std::unique(in.keys[p].begin(), in.keys[p].end()), in.keys[p].end());
            });
        }
        // A group's own cell counts its keys; every total cell gets (cell, value id) keys that
        // are made unique in partitions of cells.
        std::vector<std::vector<std::vector<uint64_t>>> toCells(workerCount());
        forEachTask(kPartitions, [&](size_t p, size_t worker) {
            const std::vector<uint64_t>& keys = in.keys[p];
            auto& out = toCells[worker];
            if (out.empty())
                out.resize(kPartitions);
            for (size_t k = 0; k < keys.size();) {
                const uint32_t slot = uint32_t(keys[k] >> 32);
                size_t next = k;
                while (next < keys.size() && uint32_t(keys[next] >> 32) == slot)
                    ++next;
                leafCounts[m_groupBase[p] + slot] = int64_t(next - k);
                forEachCell(p, slot, [&](uint64_t key, const AxisPlace& r, const AxisPlace& c) {
                    if (r.leaf && c.leaf)
                        return;
                    const size_t cell = cellIndex(key);
                    auto& bucket = out[hashPartition(cell)];
                    for (size_t i = k; i < next; ++i)
                        bucket.push_back((uint64_t(cell) << 32) | (keys[i] & 0xFFFFFFFFu));
                });
                k = next;
            }
            std::vector<uint64_t>().swap(in.keys[p]);
        });
        forEachTask(kPartitions, [&](size_t q, size_t) {
            std::vector<uint64_t> keys;
            for (auto& out : toCells) {
                if (out.empty())
                    continue;
                keys.insert(keys.end(), out[q].begin(), out[q].end());
                std::vector<uint64_t>().swap(out[q]);
            }
            std::sort(keys.begin(), keys.end());
            keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
            for (uint64_t key : keys)
                ++totalCounts[size_t(key >> 32)];   // every cell lies in one partition q
        });
    }
}

void Aggregation::writeValues(std::optional<double>* out, const Accumulator* acc,
                              const std::vector<int64_t>* const* counts, size_t at) const
{
    for (size_t i = 0; i < m_width; ++i) {
        const Accumulator& a = acc[i];
        switch (m_measures[i].aggregate) {
        case Aggregate::Count:
            out[i] = double(a.count);
            break;
        case Aggregate::DistinctCount:
            out[i] = double((*counts[m_measures[i].distinct])[at]);
            break;
        case Aggregate::Sum:
            out[i] = a.count > 0 ? std::optional(a.total()) : std::nullopt;
            break;
        case Aggregate::Min:
            out[i] = a.count > 0 ? std::optional(a.min) : std::nullopt;
            break;
        case Aggregate::Max:
            out[i] = a.count > 0 ? std::optional(a.max) : std::nullopt;
            break;
        case Aggregate::Average:
            out[i] = a.count > 0 ? std::optional(a.total() / double(a.count)) : std::nullopt;
            break;
        }
    }
}

void Aggregation::writeCells(CellTable& table) const
{
    std::vector<const std::vector<int64_t>*> leafCounts;
    std::vector<const std::vector<int64_t>*> totalCounts;
    for (size_t d = 0; d < m_distinct.size(); ++d) {
        leafCounts.push_back(&m_leafCounts[d]);
        totalCounts.push_back(&m_totalCounts[d]);
    }
    // Every group's own cell first, then the total cells: no two alike, so they are numbered
    // and filled on every worker.
    const size_t groups = m_groupBase.back();
    std::vector<quint64> keys(groups + m_cellBase.back());
    forEachTask(kPartitions, [&](size_t p, size_t) {
        for (uint32_t s = 0; s < m_groups[p].size(); ++s) {
            const size_t g = m_groupBase[p] + s;
            keys[g] = (quint64(quint32(m_rowPlaces.leaf[m_groupRows[g]])) << 32)
                | quint32(m_columnPlaces.leaf[m_groupColumns[g]]);
        }
        for (uint32_t s = 0; s < m_cells[p].size(); ++s)
            keys[groups + m_cellBase[p] + s] = m_cells[p].key(s);
    });
    table.assign(std::move(keys));
    forEachTask(kPartitions, [&](size_t p, size_t) {
        for (uint32_t s = 0; s < m_groups[p].size(); ++s) {
            const size_t g = m_groupBase[p] + s;
            writeValues(table.values(g), m_groups[p].at(s), leafCounts.data(), g);
        }
        for (uint32_t s = 0; s < m_cells[p].size(); ++s) {
            const size_t c = m_cellBase[p] + s;
            writeValues(table.values(groups + c), m_cells[p].at(s), totalCounts.data(), c);
        }
    });
}

CellTable Aggregation::run()
{
    prepareFields();
    prepareMeasures();
    CellTable table{int(m_width)};
    const size_t facts = m_data.factCount;
    std::vector<WorkerGroups> workers(workerCount());
    forEachTask((facts + kStretch - 1) / kStretch, [&](size_t task, size_t worker) {
        scan(task * kStretch, std::min(facts, (task + 1) * kStretch), workers[worker]);
    });
    mergeGroups(workers);
    for (WorkerGroups& w : workers) {
        std::vector<uint32_t>().swap(w.denseSlot);
        std::vector<Accumulator>().swap(w.denseAccumulators);
    }
    placeGroups(table);
    rollUp();
    countDistinct(workers);
    writeCells(table);
    return table;
}

}

CellTable aggregateInMemory(const CubeData& data, const QueryPlan& plan, const PivotQuery& query)
{
    return Aggregation(data, plan, query).run();
}

}
