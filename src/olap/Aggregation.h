#pragma once

// The steps of aggregateInMemory (MemoryAggregator.h): scan the facts into groups, merge
// the workers' groups, place the groups on the axes, roll them up into the total cells,
// count distinct values and write the cells.

#include "olap/AggregationDistinct.h"
#include "olap/AggregationTable.h"
#include "olap/CellTable.h"
#include "olap/CubeData.h"

#include <unordered_map>

namespace olap::aggregation {

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
    const qint64* wide = nullptr;
    const double* reals = nullptr;
    int distinct = -1;   // index among the query's distinct counts
};

// A distinct count's state: a bitmap of value ids per group code when codes and values are few
// enough, else each partition's distinct value ids by slot.
struct DistinctInput
{
    size_t measure = 0;              // index among the query's measures
    size_t values = 0;               // distinct values in the cube
    size_t words = 0;                // 64-bit words per bitmap
    std::vector<uint64_t> bitmaps;   // by group code, then word; empty: value ids
    std::vector<PartitionValues> byPartition;
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
    // By distinct count, then partition: (code << 32 | value id) of each fact.
    std::vector<std::vector<std::vector<uint64_t>>> densePairs;
    std::vector<std::vector<GroupedFact>> facts;   // by partition
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
    // Aggregation.cpp: the facts into groups.
    void prepareFields();
    void prepareMeasures();
    void scan(size_t begin, size_t end, WorkerGroups& groups);
    template<typename D>
    void addFact(Accumulator* acc, size_t fact, D&& distinct) const;
    void prefetchFact(size_t fact) const;
    size_t partitionOf(uint64_t code) const;
    void mergeGroups(std::vector<WorkerGroups>& workers);
    void mergeDenseGroups(std::vector<WorkerGroups>& workers);
    // AggregationCells.cpp: the groups into cells.
    void placeGroups(CellTable& table);
    uint32_t placesOf(uint64_t axisCode, bool rows, CellTable& table);
    template<typename F>
    void forEachCell(size_t p, uint32_t slot, F&& f) const;
    void rollUp();
    void writeValues(CellValue* out, const Accumulator* acc, const std::vector<int64_t>* const* counts,
                     size_t at) const;
    void writeCells(CellTable& table) const;
    // AggregationCounts.cpp: distinct counts.
    void countDistinct(std::vector<WorkerGroups>& workers);
    CellGroups groupsOfTotalCells() const;
    void countWithBitmaps(const DistinctInput& in, const CellGroups& cells, std::vector<int64_t>& leafCounts,
                          std::vector<int64_t>& totalCounts) const;
    GroupValues valuesOfDensePairs(std::vector<WorkerGroups>& workers, size_t d) const;

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

}
