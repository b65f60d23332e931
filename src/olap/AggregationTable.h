#pragma once

// The tables a query's groups and cells are aggregated in: accumulators per measure, kept in
// open-addressing tables that are split by the key's hash into partitions, so that each
// partition can be filled and merged by one task.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace olap::aggregation {

constexpr int kPartitionBits = 6;
constexpr size_t kPartitions = size_t(1) << kPartitionBits;
constexpr uint32_t kNone = UINT32_MAX;

inline uint64_t mix(uint64_t k)
{
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    k *= 0xc4ceb9fe1a85ec53ULL;
    k ^= k >> 33;
    return k;
}

inline size_t hashPartition(uint64_t key)
{
    return size_t(mix(key) >> (64 - kPartitionBits));
}

// One group's (or cell's) aggregates of one measure. A measure of whole numbers sums into 128
// bits, which no sum of 64-bit values can overflow (it would take 2^64 of them), and keeps its
// minimum and maximum as integers: all exact. A measure of doubles uses the doubles.
struct Accumulator
{
    __int128 whole = 0;
    double sum = 0;
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    int64_t wholeMin = INT64_MAX;
    int64_t wholeMax = INT64_MIN;
    int64_t count = 0;   // values that are not empty (rows, for a count of rows)

    void add(double v)
    {
        sum += v;
        min = std::min(min, v);
        max = std::max(max, v);
        ++count;
    }
    void addWhole(int64_t v)
    {
        whole += v;
        wholeMin = std::min(wholeMin, v);
        wholeMax = std::max(wholeMax, v);
        ++count;
    }
    void merge(const Accumulator& o)
    {
        whole += o.whole;
        sum += o.sum;
        min = std::min(min, o.min);
        max = std::max(max, o.max);
        wholeMin = std::min(wholeMin, o.wholeMin);
        wholeMax = std::max(wholeMax, o.wholeMax);
        count += o.count;
    }
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
    void grow();

    size_t m_width;
    size_t m_mask = 0;
    std::vector<Entry> m_entries;
    std::vector<uint64_t> m_keys;
    std::vector<Accumulator> m_accumulators;
};

using PartitionedTables = std::vector<SlotTable>;   // kPartitions of them

// Merges every worker's partition p into one table, partitions in parallel.
PartitionedTables mergePartitions(std::vector<PartitionedTables>& byWorker, size_t width);

// Where each partition's slots start in one numbering of all slots, and the total last.
std::vector<size_t> slotBases(const PartitionedTables& tables);

}
