#pragma once

#include "olap/CubeData.h"

namespace olap {

// A cube file's cube, answered from its columns in memory.
class MemoryCube : public CubeSource
{
public:
    explicit MemoryCube(std::shared_ptr<const CubeData> data) : m_data(std::move(data)) {}

    const CubeSchema& schema() const override { return m_data->definition.schema; }
    CellSet query(const PivotQuery& query) override;
    QVector<Member> members(const QString& hierarchy, int level, const MemberPath& parent = {},
                            const QString& search = {}) override;
    DetailRows details(const PivotQuery& query, int row, int column, int limit) override;

private:
    std::shared_ptr<const CubeData> m_data;
};

}
