#pragma once

#include "olap/CubeFileLoad.h"

namespace olap {

// A cube file's cube, answered from its columns in memory. The schema is there at once;
// queries, member lists and details wait for the file's read to end.
class MemoryCube : public CubeSource
{
public:
    explicit MemoryCube(std::shared_ptr<CubeFileLoad> load) : m_load(std::move(load)) {}

    const CubeSchema& schema() const override { return m_load->definition().schema; }
    const CubeFileLoad& load() const { return *m_load; }
    CellSet query(const PivotQuery& query) override;
    QVector<Member> members(const QString& hierarchy, int level, const MemberPath& parent = {},
                            const QString& search = {}) override;
    DetailRows details(const PivotQuery& query, int row, int column, int limit) override;
    std::optional<std::pair<qint64, qint64>> readProgress() const override;

private:
    std::shared_ptr<CubeFileLoad> m_load;
};

}
