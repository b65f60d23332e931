#pragma once

#include "olap/CubeSource.h"

#include <functional>

namespace pivot::test {

// A small in-memory cube: Geography (Region, City), Product (Category, Product) and
// Time (Year, Quarter), with the measures Sales (Currency) and Units (#,##0). It
// answers pivot queries with the totals, expansion, filters, empty members and label
// sorting the pivot relies on.
class FakeCube : public olap::CubeSource
{
public:
    struct Fact
    {
        QStringList geography, product, time;
        double sales = 0, units = 0;
    };

    FakeCube();

    const olap::CubeSchema& schema() const override { return m_schema; }
    olap::CellSet query(const olap::PivotQuery& query) override;
    QVector<olap::Member> members(const QString& hierarchy, int level, const olap::MemberPath& parent = {},
                                  const QString& search = {}) override;
    olap::DetailRows details(const olap::PivotQuery& query, int row, int column, int limit) override;

    int queryCount = 0;
    olap::PivotQuery lastQuery;

private:
    int hierarchyIndex(const QString& name) const;
    const QStringList& pathOf(const Fact& fact, int hierarchy) const;
    QVector<olap::Tuple> axisTuples(const olap::Axis& axis, const std::vector<const Fact*>& facts) const;
    bool matches(const Fact& fact, const olap::Tuple& tuple, const olap::Axis& axis) const;
    std::vector<const Fact*> filtered(const olap::PivotQuery& query) const;

    olap::CubeSchema m_schema;
    // Every member of every hierarchy, in hierarchy order, parents before children.
    QVector<QVector<olap::Member>> m_members;
    QVector<Fact> m_facts;
};

}
