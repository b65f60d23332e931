#include "olap/Aggregation.h"

#include "olap/WorkerPool.h"

namespace olap::aggregation {

// Counts, for every distinct-count measure, the distinct value ids of each cell: first
// those of the groups' own cells (m_leafCounts, by group), then those of the total cells
// (m_totalCounts, by total cell).
void Aggregation::countDistinct(std::vector<WorkerGroups>& workers)
{
    if (m_distinct.empty())
        return;
    const CellGroups cells = groupsOfTotalCells();
    for (size_t d = 0; d < m_distinct.size(); ++d) {
        DistinctInput& in = m_distinct[d];
        std::vector<int64_t>& leafCounts = m_leafCounts.emplace_back(m_groupBase.back(), 0);
        std::vector<int64_t>& totalCounts = m_totalCounts.emplace_back(m_cellBase.back(), 0);
        if (!in.bitmaps.empty()) {
            countWithBitmaps(in, cells, leafCounts, totalCounts);
            std::vector<uint64_t>().swap(in.bitmaps);
            continue;
        }
        const GroupValues values =
            m_dense ? valuesOfDensePairs(workers, d) : joinPartitions(in.byPartition, m_groupBase);
        for (size_t g = 0; g < leafCounts.size(); ++g)
            leafCounts[g] = values.count(g);
        totalCounts = countCells(values, cells, in.values);
    }
}

// Each group lists itself under its total cells, in the partition of the cell. The lists of
// each partition of groups are kept apart, so that every cell lists its groups in their order,
// and a large cell reads their value ids in one sweep.
CellGroups Aggregation::groupsOfTotalCells() const
{
    std::vector<std::vector<std::vector<uint64_t>>> byPartition(kPartitions);
    if (m_cellBase.back() > 0) {
        forEachTask(kPartitions, [&](size_t p, size_t) {
            auto& out = byPartition[p];
            out.resize(kPartitions);
            for (uint32_t s = 0; s < m_groups[p].size(); ++s) {
                const uint64_t group = m_groupBase[p] + s;
                forEachCell(p, s, [&](uint64_t key, const AxisPlace& r, const AxisPlace& c) {
                    if (r.leaf && c.leaf)
                        return;
                    const size_t q = hashPartition(key);
                    out[q].push_back((uint64_t(m_cellBase[q] + m_cells[q].find(key)) << 32) | group);
                });
            }
        });
    }
    return listCellGroups(byPartition, m_cellBase);
}

// Few groups: a group's own cell counts the bits of its bitmap, a total cell those of its
// groups' bitmaps ORed together.
void Aggregation::countWithBitmaps(const DistinctInput& in, const CellGroups& cells, std::vector<int64_t>& leafCounts,
                                   std::vector<int64_t>& totalCounts) const
{
    const auto bitsOf = [&in](const uint64_t* words) {
        int64_t n = 0;
        for (size_t w = 0; w < in.words; ++w)
            n += __builtin_popcountll(words[w]);
        return n;
    };
    std::vector<const uint64_t*> bitmapOf(m_groupBase.back());
    forEachTask(kPartitions, [&](size_t p, size_t) {
        for (uint32_t s = 0; s < m_groups[p].size(); ++s) {
            const size_t g = m_groupBase[p] + s;
            bitmapOf[g] = in.bitmaps.data() + size_t(m_groups[p].key(s)) * in.words;
            leafCounts[g] = bitsOf(bitmapOf[g]);
        }
    });
    std::vector<std::vector<uint64_t>> buffers(workerCount());
    forEachTask(totalCounts.size(), [&](size_t cell, size_t worker) {
        std::vector<uint64_t>& bits = buffers[worker];
        bits.assign(in.words, 0);
        for (size_t i = cells.begin[cell]; i < cells.begin[cell + 1]; ++i) {
            const uint64_t* source = bitmapOf[cells.groups[i]];
            for (size_t w = 0; w < in.words; ++w)
                bits[w] |= source[w];
        }
        totalCounts[cell] = bitsOf(bits.data());
    });
}

// The scan kept each fact's (code << 32 | value id) in the partition of its code: each
// partition keys them by slot and makes them unique group by group.
GroupValues Aggregation::valuesOfDensePairs(std::vector<WorkerGroups>& workers, size_t d) const
{
    std::vector<PartitionValues> partitions(kPartitions);
    std::vector<ValueMarks> marks(workerCount());
    forEachTask(kPartitions, [&](size_t p, size_t worker) {
        std::vector<uint64_t> keys;
        for (WorkerGroups& w : workers) {
            if (w.densePairs.empty())
                continue;
            std::vector<uint64_t>& pairs = w.densePairs[d][p];
            for (uint64_t pair : pairs)
                keys.push_back((uint64_t(m_groups[p].find(pair >> 32)) << 32) | (pair & 0xFFFFFFFFu));
            std::vector<uint64_t>().swap(pairs);
        }
        if (marks[worker].empty())
            marks[worker] = ValueMarks(m_distinct[d].values);
        partitions[p] = uniqueValuesBySlot(keys, m_groups[p].size(), marks[worker]);
    });
    return joinPartitions(partitions, m_groupBase);
}

}
