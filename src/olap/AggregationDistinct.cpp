#include "olap/AggregationDistinct.h"

#include "olap/WorkerPool.h"

#include <algorithm>
#include <numeric>

namespace olap::aggregation {

PartitionValues uniqueValuesBySlot(std::vector<uint64_t>& keys, size_t slotCount, ValueMarks& marks)
{
    std::vector<size_t> begin(slotCount + 1, 0);
    for (uint64_t k : keys)
        ++begin[size_t(k >> 32) + 1];
    std::partial_sum(begin.begin(), begin.end(), begin.begin());
    std::vector<uint32_t> values(keys.size());
    {
        std::vector<size_t> next(begin.begin(), begin.end() - 1);
        for (uint64_t k : keys)
            values[next[size_t(k >> 32)]++] = uint32_t(k);
    }
    std::vector<uint64_t>().swap(keys);

    PartitionValues out;
    out.counts.resize(slotCount);
    size_t kept = 0;
    for (size_t s = 0; s < slotCount; ++s) {
        const size_t first = kept;
        for (size_t i = begin[s]; i < begin[s + 1]; ++i) {
            if (marks.mark(values[i]))
                values[kept++] = values[i];
        }
        for (size_t i = first; i < kept; ++i)
            marks.unmark(values[i]);
        out.counts[s] = uint32_t(kept - first);
    }
    values.resize(kept);
    values.shrink_to_fit();
    out.values = std::move(values);
    return out;
}

GroupValues joinPartitions(std::vector<PartitionValues>& partitions, const std::vector<size_t>& bases)
{
    GroupValues joined;
    joined.begin.assign(bases.back() + 1, 0);
    for (size_t p = 0; p < partitions.size(); ++p)
        std::copy(partitions[p].counts.begin(), partitions[p].counts.end(), joined.begin.begin() + bases[p] + 1);
    std::partial_sum(joined.begin.begin(), joined.begin.end(), joined.begin.begin());
    joined.values.resize(joined.begin.back());
    forEachTask(partitions.size(), [&](size_t p, size_t) {
        std::copy(partitions[p].values.begin(), partitions[p].values.end(),
                  joined.values.begin() + ptrdiff_t(joined.begin[bases[p]]));
        partitions[p] = PartitionValues();
    });
    return joined;
}

CellGroups listCellGroups(std::vector<std::vector<std::vector<uint64_t>>>& bySource,
                          const std::vector<size_t>& cellBases)
{
    const size_t partitions = cellBases.size() - 1;
    CellGroups cells;
    cells.begin.assign(cellBases.back() + 1, 0);
    // Each partition's cells are its own range of the numbering, so partitions count and
    // place in parallel.
    forEachTask(partitions, [&](size_t q, size_t) {
        for (const auto& source : bySource) {
            if (!source.empty()) {
                for (uint64_t pair : source[q])
                    ++cells.begin[size_t(pair >> 32) + 1];
            }
        }
    });
    std::partial_sum(cells.begin.begin(), cells.begin.end(), cells.begin.begin());
    cells.groups.resize(cells.begin.back());
    forEachTask(partitions, [&](size_t q, size_t) {
        std::vector<size_t> next(cells.begin.begin() + ptrdiff_t(cellBases[q]),
                                 cells.begin.begin() + ptrdiff_t(cellBases[q + 1]));
        for (auto& source : bySource) {
            if (source.empty())
                continue;
            for (uint64_t pair : source[q])
                cells.groups[next[size_t(pair >> 32) - cellBases[q]]++] = uint32_t(pair);
            std::vector<uint64_t>().swap(source[q]);
        }
    });
    return cells;
}

std::vector<int64_t> countCells(const GroupValues& values, const CellGroups& cells, size_t valueCount)
{
    constexpr size_t kCellsPerTask = 256;
    constexpr ptrdiff_t kAhead = 16;
    const size_t cellCount = cells.begin.size() - 1;
    std::vector<int64_t> counts(cellCount, 0);
    std::vector<ValueMarks> marks(workerCount());
    forEachTask((cellCount + kCellsPerTask - 1) / kCellsPerTask, [&](size_t task, size_t worker) {
        ValueMarks& seen = marks[worker];
        if (seen.empty())
            seen = ValueMarks(valueCount);
        const size_t end = std::min(cellCount, (task + 1) * kCellsPerTask);
        for (size_t cell = task * kCellsPerTask; cell < end; ++cell) {
            const uint32_t* first = cells.groups.data() + cells.begin[cell];
            const uint32_t* last = cells.groups.data() + cells.begin[cell + 1];
            int64_t n = 0;
            size_t visited = 0;
            for (const uint32_t* g = first; g != last; ++g) {
                // A cell's groups lie far apart: fetch the ids of groups ahead, and where they start.
                if (last - g > kAhead)
                    __builtin_prefetch(values.values.data() + values.begin[g[kAhead / 2]]);
                if (last - g > kAhead)
                    __builtin_prefetch(values.begin.data() + g[kAhead]);
                const uint32_t* ids = values.values.data() + values.begin[*g];
                const size_t size = values.begin[*g + 1] - values.begin[*g];
                for (size_t i = 0; i < size; ++i)
                    n += seen.mark(ids[i]);
                visited += size;
            }
            if (visited > seen.words()) {
                seen.unmarkAll();
            } else {
                for (const uint32_t* g = first; g != last; ++g) {
                    for (size_t i = values.begin[*g]; i < values.begin[*g + 1]; ++i)
                        seen.unmark(values.values[i]);
                }
            }
            counts[cell] = n;
        }
    });
    return counts;
}

}
