#include "olap/Aggregation.h"

#include "olap/WorkerPool.h"

namespace olap::aggregation {

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

namespace {

// A whole sum that fits 64 bits is shown exactly; one beyond them, as the nearest double.
CellValue wholeOrNearest(__int128 v)
{
    return v >= INT64_MIN && v <= INT64_MAX ? CellValue::whole(int64_t(v)) : CellValue(double(v));
}

}

void Aggregation::writeValues(CellValue* out, const Accumulator* acc, const std::vector<int64_t>* const* counts,
                              size_t at) const
{
    for (size_t i = 0; i < m_width; ++i) {
        const Accumulator& a = acc[i];
        const bool whole = m_measures[i].kind != MeasureColumn::Kind::Reals;
        const bool none = a.count == 0;   // a sum, minimum, maximum or average over no values
        switch (m_measures[i].aggregate) {
        case Aggregate::Count:
            out[i] = CellValue::whole(a.count);
            break;
        case Aggregate::DistinctCount:
            out[i] = CellValue::whole((*counts[m_measures[i].distinct])[at]);
            break;
        case Aggregate::Sum:
            out[i] = none ? CellValue() : whole ? wholeOrNearest(a.whole) : CellValue(a.sum);
            break;
        case Aggregate::Min:
            out[i] = none ? CellValue() : whole ? CellValue::whole(a.wholeMin) : CellValue(a.min);
            break;
        case Aggregate::Max:
            out[i] = none ? CellValue() : whole ? CellValue::whole(a.wholeMax) : CellValue(a.max);
            break;
        case Aggregate::Average:
            out[i] = none ? CellValue()
                : whole   ? CellValue(double((long double)a.whole / (long double)a.count))
                          : CellValue(a.sum / double(a.count));
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

}
