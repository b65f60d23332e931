#pragma once

// Distinct counts of groups and of the totals above them. Each group's distinct value ids are
// found once; a total counts the union of its groups' ids by marking them in a bitmap of the
// value space, so no group's ids are sorted or copied again for every total above it.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace olap::aggregation {

// A bitmap over a measure's value ids. Every id marked is unmarked after its count, which
// costs the ids seen rather than the size of the value space.
class ValueMarks
{
public:
    ValueMarks() = default;
    explicit ValueMarks(size_t values) : m_words(values / 64 + 1, 0) {}

    bool empty() const { return m_words.empty(); }
    // True when the id was not marked before.
    bool mark(uint32_t id)
    {
        uint64_t& word = m_words[id / 64];
        const uint64_t before = word;
        word = before | (uint64_t(1) << (id % 64));
        return word != before;
    }
    // Clears the whole word: every id of it that was marked is being unmarked too.
    void unmark(uint32_t id) { m_words[id / 64] = 0; }
    // Cheaper than unmarking ids one by one once they outnumber the words.
    void unmarkAll() { std::fill(m_words.begin(), m_words.end(), 0); }
    size_t words() const { return m_words.size(); }

private:
    std::vector<uint64_t> m_words;
};

// The distinct value ids of one partition's groups, each once, slot by slot.
struct PartitionValues
{
    std::vector<uint32_t> counts;   // by slot
    std::vector<uint32_t> values;   // slot 0's ids, then slot 1's, ...
};

// Sorts a partition's (slot << 32 | value id) keys, in any order and with repeats, by slot
// and drops the repeats. Frees `keys`.
PartitionValues uniqueValuesBySlot(std::vector<uint64_t>& keys, size_t slotCount, ValueMarks& marks);

// The distinct value ids of every group of a query, by the group's number across partitions.
struct GroupValues
{
    std::vector<size_t> begin;   // by group, and one past the last
    std::vector<uint32_t> values;

    int64_t count(size_t group) const { return int64_t(begin[group + 1] - begin[group]); }
};

// Joins the partitions' ids: slot s of partition p becomes group bases[p] + s. Frees the
// partitions' ids.
GroupValues joinPartitions(std::vector<PartitionValues>& partitions, const std::vector<size_t>& bases);

// The groups under each total cell, by the cells' numbering.
struct CellGroups
{
    std::vector<size_t> begin;   // by cell, and one past the last
    std::vector<uint32_t> groups;
};

// Lists each cell's groups from (cell << 32 | group) pairs, by source and then by the partition
// of the cell: the cells of partition q are numbered from cellBases[q] up to cellBases[q + 1].
// A cell's groups keep the order of the sources and of the pairs. Frees the pairs.
CellGroups listCellGroups(std::vector<std::vector<std::vector<uint64_t>>>& bySource,
                          const std::vector<size_t>& cellBases);

// How many distinct ids the groups of each cell hold together, by cell.
std::vector<int64_t> countCells(const GroupValues& values, const CellGroups& cells, size_t valueCount);

}
