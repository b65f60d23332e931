#include "olap/MemoryAggregator.h"

#include "platform/VbError.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>
#include <unordered_map>
#include <unordered_set>

namespace olap {

namespace {

struct Accumulator
{
    double sum = 0;
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
    void merge(const Accumulator& o)
    {
        sum += o.sum;
        min = std::min(min, o.min);
        max = std::max(max, o.max);
        count += o.count;
    }
};

// The groups that one thread finds: a slot per group code, measures side by side.
struct Groups
{
    static constexpr uint32_t kNone = UINT32_MAX;
    std::vector<uint32_t> denseSlotOf;   // by code, when the codes are few
    std::unordered_map<uint64_t, uint32_t> slotOf;
    std::vector<uint64_t> codes;
    std::vector<Accumulator> accumulators;   // slot * measures + measure
    std::vector<std::vector<std::pair<uint64_t, int32_t>>> distinct;   // by measure: (code, value id)

    uint32_t slot(uint64_t code, size_t measures)
    {
        if (!denseSlotOf.empty()) {
            uint32_t& s = denseSlotOf[code];
            if (s == kNone) {
                s = uint32_t(codes.size());
                codes.push_back(code);
                accumulators.resize(accumulators.size() + measures);
            }
            return s;
        }
        const auto [it, inserted] = slotOf.emplace(code, uint32_t(codes.size()));
        if (inserted) {
            codes.push_back(code);
            accumulators.resize(accumulators.size() + measures);
        }
        return it->second;
    }
};

struct Field
{
    const std::vector<int32_t>* factRows = nullptr;
    std::vector<int32_t> localOfRow;   // by dimension row: dense index of its deepest visible member, -1: dropped
    std::vector<int> memberOfLocal;
    uint64_t radix = 1;
};

class Aggregation
{
public:
    Aggregation(const CubeData& data, const QueryPlan& plan) : m_data(data), m_plan(plan) {}

    CellTable run();

private:
    void prepareFields();
    void scan(size_t begin, size_t end, Groups& groups) const;
    void rollUp(const Groups& groups, CellTable& table);
    const QVector<int>& positionsOf(uint64_t axisCode, bool rows, CellTable& table);

    const CubeData& m_data;
    const QueryPlan& m_plan;
    std::vector<Field> m_fields;        // row fields, then column fields
    std::vector<std::pair<const std::vector<int32_t>*, const std::vector<uint8_t>*>> m_offAxisFilters;
    uint64_t m_columnSpace = 1;
    uint64_t m_space = 1;
    std::unordered_map<uint64_t, QVector<int>> m_rowPositions;
    std::unordered_map<uint64_t, QVector<int>> m_columnPositions;
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
        m_offAxisFilters.emplace_back(&m_data.rowsOf(f->hierarchy), &f->rowAllowed);

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
}

void Aggregation::scan(size_t begin, size_t end, Groups& groups) const
{
    const size_t measures = m_plan.measures.size();
    groups.distinct.resize(measures);
    constexpr uint64_t kDenseCodes = 1 << 18;
    if (m_space <= kDenseCodes)
        groups.denseSlotOf.assign(m_space, Groups::kNone);
    for (size_t r = begin; r < end; ++r) {
        bool kept = true;
        for (const auto& [rows, allowed] : m_offAxisFilters) {
            if (!(*allowed)[size_t((*rows)[r])]) {
                kept = false;
                break;
            }
        }
        if (!kept)
            continue;
        uint64_t code = 0;
        for (const Field& f : m_fields) {
            const int32_t local = f.localOfRow[size_t((*f.factRows)[r])];
            if (local < 0) {
                kept = false;
                break;
            }
            code = code * f.radix + uint64_t(local);
        }
        if (!kept)
            continue;
        const uint32_t slot = groups.slot(code, measures);
        Accumulator* acc = groups.accumulators.data() + size_t(slot) * measures;
        for (size_t i = 0; i < measures; ++i) {
            const int m = m_plan.measures[i];
            const auto& values = m_data.measureValues[size_t(m)];
            if (m_data.definition.schema.measures[m].aggregate == Aggregate::DistinctCount) {
                ++acc[i].count;
                const int32_t id = m_data.distinctIds[size_t(m)][r];
                if (id >= 0)
                    groups.distinct[i].emplace_back(code, id);
            } else if (values.empty()) {
                ++acc[i].count;
            } else if (!std::isnan(values[r])) {
                acc[i].add(values[r]);
            }
        }
    }
}

const QVector<int>& Aggregation::positionsOf(uint64_t axisCode, bool rows, CellTable& table)
{
    auto& cache = rows ? m_rowPositions : m_columnPositions;
    const auto it = cache.find(axisCode);
    if (it != cache.end())
        return it->second;
    const size_t first = rows ? 0 : m_plan.rows.size();
    const size_t count = rows ? m_plan.rows.size() : m_plan.columns.size();
    Position leaf(qsizetype(count), -1);
    uint64_t rest = axisCode;
    for (size_t i = count; i-- > 0;) {
        const Field& f = m_fields[first + i];
        leaf[qsizetype(i)] = f.memberOfLocal[size_t(rest % f.radix)];
        rest /= f.radix;
    }
    QVector<int> ids;
    for (const Position& p : positionsAbove(leaf, rows ? m_plan.rows : m_plan.columns))
        ids.append(rows ? table.rows.intern(p) : table.columns.intern(p));
    return cache.emplace(axisCode, ids).first->second;
}

void Aggregation::rollUp(const Groups& groups, CellTable& table)
{
    const size_t measures = m_plan.measures.size();
    std::unordered_map<uint64_t, size_t> cellSlot;
    std::vector<Accumulator> cells;
    std::vector<std::pair<int, int>> cellPlace;
    const auto cellKey = [](int r, int c) { return (quint64(quint32(r)) << 32) | quint32(c); };
    const auto slotOfCell = [&](int r, int c) {
        const auto [it, inserted] = cellSlot.emplace(cellKey(r, c), cellPlace.size());
        if (inserted) {
            cellPlace.emplace_back(r, c);
            cells.resize(cells.size() + measures);
        }
        return it->second;
    };
    for (size_t slot = 0; slot < groups.codes.size(); ++slot) {
        const uint64_t code = groups.codes[slot];
        const QVector<int> rows = positionsOf(code / m_columnSpace, true, table);
        const QVector<int>& columns = positionsOf(code % m_columnSpace, false, table);
        const Accumulator* acc = groups.accumulators.data() + slot * measures;
        for (int r : rows) {
            for (int c : columns) {
                const size_t cell = slotOfCell(r, c);   // may grow `cells`
                Accumulator* target = cells.data() + cell * measures;
                for (size_t m = 0; m < measures; ++m)
                    target[m].merge(acc[m]);
            }
        }
    }

    std::vector<std::unordered_set<int32_t>> distinctSets;
    for (size_t i = 0; i < measures; ++i) {
        if (groups.distinct[i].empty())
            continue;
        distinctSets.assign(cellPlace.size(), {});
        for (const auto& [code, id] : groups.distinct[i]) {
            const QVector<int> rows = positionsOf(code / m_columnSpace, true, table);
            const QVector<int>& columns = positionsOf(code % m_columnSpace, false, table);
            for (int r : rows) {
                for (int c : columns)
                    distinctSets[cellSlot.at(cellKey(r, c))].insert(id);
            }
        }
        for (size_t cell = 0; cell < cellPlace.size(); ++cell)
            cells[cell * measures + i].sum = double(distinctSets[cell].size());
    }

    for (size_t cell = 0; cell < cellPlace.size(); ++cell) {
        std::optional<double>* out = table.cell(cellPlace[cell].first, cellPlace[cell].second);
        for (size_t i = 0; i < measures; ++i) {
            const Accumulator& a = cells[cell * measures + i];
            switch (m_data.definition.schema.measures[m_plan.measures[i]].aggregate) {
            case Aggregate::Count:
                out[i] = double(a.count);
                break;
            case Aggregate::DistinctCount:
                out[i] = a.sum;   // the size of the value set, put there above
                break;
            case Aggregate::Sum:
                out[i] = a.count > 0 ? std::optional(a.sum) : std::nullopt;
                break;
            case Aggregate::Min:
                out[i] = a.count > 0 ? std::optional(a.min) : std::nullopt;
                break;
            case Aggregate::Max:
                out[i] = a.count > 0 ? std::optional(a.max) : std::nullopt;
                break;
            case Aggregate::Average:
                out[i] = a.count > 0 ? std::optional(a.sum / double(a.count)) : std::nullopt;
                break;
            }
        }
    }
}

CellTable Aggregation::run()
{
    prepareFields();
    CellTable table(int(m_plan.measures.size()));
    const size_t facts = m_data.factCount;
    constexpr size_t kRowsPerThread = 1 << 16;
    const size_t threads =
        std::clamp<size_t>(facts / kRowsPerThread, 1, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<Groups> parts(threads);
    if (threads == 1) {
        scan(0, facts, parts[0]);
    } else {
        std::vector<std::thread> workers;
        for (size_t t = 0; t < threads; ++t) {
            workers.emplace_back(
                [this, &parts, t, threads, facts] { scan(facts * t / threads, facts * (t + 1) / threads, parts[t]); });
        }
        for (std::thread& w : workers)
            w.join();
    }
    Groups& all = parts[0];
    const size_t measures = m_plan.measures.size();
    for (size_t t = 1; t < threads; ++t) {
        for (size_t slot = 0; slot < parts[t].codes.size(); ++slot) {
            const uint32_t s = all.slot(parts[t].codes[slot], measures);
            Accumulator* target = all.accumulators.data() + size_t(s) * measures;
            for (size_t m = 0; m < measures; ++m)
                target[m].merge(parts[t].accumulators[slot * measures + m]);
        }
        for (size_t m = 0; m < measures; ++m) {
            auto& d = parts[t].distinct[m];
            all.distinct[m].insert(all.distinct[m].end(), d.begin(), d.end());
            d = {};
        }
    }
    for (auto& d : all.distinct) {
        std::sort(d.begin(), d.end());
        d.erase(std::unique(d.begin(), d.end()), d.end());
    }
    rollUp(all, table);
    return table;
}

}

CellTable aggregateInMemory(const CubeData& data, const QueryPlan& plan)
{
    return Aggregation(data, plan).run();
}

}
