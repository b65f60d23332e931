#include "olap/Aggregation.h"

#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <atomic>
#include <cmath>

namespace olap::aggregation {

namespace {

constexpr size_t kStretch = size_t(1) << 14;          // facts one task scans
constexpr size_t kBatch = 1024;                       // facts filtered and coded together
constexpr uint64_t kDenseCodes = uint64_t(1) << 18;   // group codes below this are slots of an array
constexpr size_t kBitmapBytes = size_t(64) << 20;     // distinct-value bitmaps a query may hold
constexpr size_t kPrefetch = 16;                      // facts ahead whose measures are fetched

}

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
        in.wide = column.wide.data();
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
        case MeasureColumn::Kind::Wide:
            if (in.wide[fact] != MeasureColumn::kNoWide)
                acc[m].addWhole(in.wide[fact]);
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
        else if (in.kind == MeasureColumn::Kind::Wide)
            __builtin_prefetch(in.wide + fact);
        else if (in.kind != MeasureColumn::Kind::Rows)
            __builtin_prefetch(in.integers + fact);
    }
}

void Aggregation::scan(size_t begin, size_t end, WorkerGroups& groups)
{
    if (m_dense && groups.denseSlot.empty()) {
        groups.denseSlot.assign(size_t(m_space), kNone);
        groups.densePairs.assign(m_distinct.size(), std::vector<std::vector<uint64_t>>(kPartitions));
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
                            groups.densePairs[d][partitionOf(code)].push_back((code << 32) | uint32_t(id));
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

// Each partition of the facts is aggregated by one task; its facts' distinct value ids are
// made unique group by group there too.
void Aggregation::mergeGroups(std::vector<WorkerGroups>& workers)
{
    m_groups.assign(kPartitions, SlotTable(m_width));
    if (m_dense) {
        mergeDenseGroups(workers);
        return;
    }
    for (DistinctInput& d : m_distinct)
        d.byPartition.resize(kPartitions);
    std::vector<ValueMarks> marks(workerCount());
    forEachTask(kPartitions, [&](size_t p, size_t worker) {
        SlotTable& table = m_groups[p];
        std::vector<std::vector<uint64_t>> keys(m_distinct.size());   // by distinct: (slot << 32 | value id)
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
                addFact(table.at(slot), f.fact,
                        [&](size_t d, int32_t id) { keys[d].push_back((uint64_t(slot) << 32) | uint32_t(id)); });
            }
            std::vector<GroupedFact>().swap(w.facts[p]);
        }
        for (size_t d = 0; d < m_distinct.size(); ++d) {
            if (marks[worker].words() < m_distinct[d].values / 64 + 1)
                marks[worker] = ValueMarks(m_distinct[d].values);
            m_distinct[d].byPartition[p] = uniqueValuesBySlot(keys[d], table.size(), marks[worker]);
        }
    });
    m_groupBase = slotBases(m_groups);
}

// Each partition is a range of codes, merged in code order.
void Aggregation::mergeDenseGroups(std::vector<WorkerGroups>& workers)
{
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
    m_groupBase = slotBases(m_groups);
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
