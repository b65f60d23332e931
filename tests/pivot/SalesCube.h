#pragma once

#include "olap/CubeSource.h"

#include <memory>

namespace pivot::test {

// A small cube file opened by the real engine: Geography (Region, City), Product (Category,
// Item) and Time (Year, Quarter; years captioned apart from their keys), with the measures
// Sales (Currency) and Units (#,##0). "South" and "Kiwis" have no facts (empty members).
QString salesCubeFile();

// The cube of that file, counting the queries it answers.
class SalesCube : public olap::CubeSource
{
public:
    SalesCube();

    const olap::CubeSchema& schema() const override { return m_cube->schema(); }
    olap::CellSet query(const olap::PivotQuery& query) override;
    QVector<olap::Member> members(const QString& hierarchy, int level, const olap::MemberPath& parent = {},
                                  const QString& search = {}) override
    {
        return m_cube->members(hierarchy, level, parent, search);
    }
    olap::DetailRows details(const olap::PivotQuery& query, int row, int column, int limit) override
    {
        return m_cube->details(query, row, column, limit);
    }

    int queryCount = 0;
    olap::PivotQuery lastQuery;

private:
    std::unique_ptr<olap::CubeSource> m_cube;
};

}
