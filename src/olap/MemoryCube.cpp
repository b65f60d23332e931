#include "olap/MemoryCube.h"

#include "olap/CellSetBuilder.h"
#include "olap/MemberLookup.h"
#include "olap/MemoryAggregator.h"

namespace olap {

CellSet MemoryCube::query(const PivotQuery& query)
{
    const std::shared_ptr<const CubeData> data = m_load->data();
    const QueryPlan plan = QueryPlan::build(data->definition, data->indexes, query);
    const CellTable cells = aggregateInMemory(*data, plan, query);
    return CellSetBuilder(plan, cells, query).build();
}

std::optional<std::pair<qint64, qint64>> MemoryCube::readProgress() const
{
    if (m_load->finished())
        return std::nullopt;
    return std::pair(m_load->progress().rowsRead.load(), m_load->progress().rowCount.load());
}

QVector<Member> MemoryCube::members(const QString& hierarchy, int level, const MemberPath& parent,
                                    const QString& search)
{
    const std::shared_ptr<const CubeData> data = m_load->data();
    return listMembers(data->definition, data->indexes, hierarchy, level, parent, search);
}

DetailRows MemoryCube::details(const PivotQuery& query, int row, int column, int limit)
{
    const std::shared_ptr<const CubeData> shared = m_load->data();
    const CubeData& data = *shared;
    const QueryPlan plan = QueryPlan::build(data.definition, data.indexes, query);
    const CellSet cells = CellSetBuilder(plan, aggregateInMemory(data, plan, query), query).build();
    const std::vector<CellMember> cell = membersOfCell(query, cells, row, column, data.definition, data.indexes);

    DetailRows result;
    result.columns = detailColumns(data.definition);
    const size_t hierarchies = data.indexes.size();
    for (size_t r = 0; r < data.factCount; ++r) {
        bool kept = true;
        for (const HierarchyFilter& f : plan.filters)
            kept = kept && f.rowAllowed[size_t(data.rowsOf(f.hierarchy).at(r))];
        for (const CellMember& c : cell) {
            const HierarchyIndex& index = data.indexes[size_t(c.hierarchy)];
            const int dimRow = data.rowsOf(c.hierarchy).at(r);
            kept = kept && c.member >= 0 && index.rowMember(dimRow, index.member(c.member).level) == c.member;
        }
        if (!kept)
            continue;
        if (result.rows.size() >= limit) {
            result.truncated = true;
            break;
        }
        QVector<QVariant> values;
        for (size_t h = 0; h < hierarchies; ++h) {
            const HierarchyIndex& index = data.indexes[h];
            for (int level = 0; level < index.levelCount(); ++level)
                values.append(index.member(index.rowMember(data.rowsOf(int(h)).at(r), level)).caption);
        }
        for (int m = 0; m < data.definition.measures.size(); ++m) {
            if (data.definition.measures[m].column.isEmpty())
                continue;
            values.append(data.measures[size_t(m)].value(r));
        }
        result.rows.append(values);
    }
    return result;
}

}
