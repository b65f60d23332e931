#include "olap/AggregationTable.h"

#include "olap/WorkerPool.h"

namespace olap::aggregation {

void SlotTable::grow()
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

std::vector<size_t> slotBases(const PartitionedTables& tables)
{
    std::vector<size_t> bases(tables.size() + 1, 0);
    for (size_t p = 0; p < tables.size(); ++p)
        bases[p + 1] = bases[p] + tables[p].size();
    return bases;
}

}
