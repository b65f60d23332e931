#include "FakeCube.h"

#include "platform/VbError.h"

#include <algorithm>
#include <map>

namespace pivot::test {
namespace {

bool hasPrefix(const QStringList& path, const QStringList& prefix)
{
    if (prefix.size() > path.size())
        return false;
    for (int i = 0; i < prefix.size(); ++i)
        if (path[i] != prefix[i])
            return false;
    return true;
}

olap::Member member(const QStringList& keys)
{
    return olap::Member{olap::MemberPath{keys}, keys.last()};
}

}

FakeCube::FakeCube()
{
    m_schema.name = QStringLiteral("Sales");
    m_schema.caption = QStringLiteral("Sales Cube");
    m_schema.hierarchies = {
        {QStringLiteral("Geography"),
         QStringLiteral("Geography"),
         QStringLiteral("Geography"),
         {{QStringLiteral("Region"), QStringLiteral("Region")}, {QStringLiteral("City"), QStringLiteral("City")}}},
        {QStringLiteral("Product"),
         QStringLiteral("Product"),
         QStringLiteral("Product"),
         {{QStringLiteral("Category"), QStringLiteral("Category")}, {QStringLiteral("Item"), QStringLiteral("Item")}}},
        {QStringLiteral("Time"),
         QStringLiteral("Time"),
         QStringLiteral("Time"),
         {{QStringLiteral("Year"), QStringLiteral("Year")}, {QStringLiteral("Quarter"), QStringLiteral("Quarter")}}},
    };
    m_schema.measures = {
        {QStringLiteral("Sales"), QStringLiteral("Sales Amount"), olap::Aggregate::Sum, QStringLiteral("Currency")},
        {QStringLiteral("Units"), QStringLiteral("Units Sold"), olap::Aggregate::Sum, QStringLiteral("#,##0")},
    };
    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    auto add = [&](QStringList g, QStringList p, QStringList t, double sales, double units) {
        m_facts << Fact{g, p, t, sales, units};
    };
    add({s("East"), s("Boston")}, {s("Fruit"), s("Apples")}, {s("2023"), s("Q1")}, 1200.5, 1500);
    add({s("East"), s("Boston")}, {s("Fruit"), s("Pears")}, {s("2024"), s("Q2")}, 800, 640);
    add({s("East"), s("New York")}, {s("Fruit"), s("Apples")}, {s("2024"), s("Q1")}, 2500, 3100);
    add({s("East"), s("New York")}, {s("Dairy"), s("Cheese")}, {s("2023"), s("Q4")}, 4100.25, 820);
    add({s("West"), s("Denver")}, {s("Dairy"), s("Milk")}, {s("2023"), s("Q2")}, 950, 1900);
    add({s("West"), s("Seattle")}, {s("Fruit"), s("Pears")}, {s("2024"), s("Q3")}, 1730, 1210);
    add({s("West"), s("Seattle")}, {s("Dairy"), s("Cheese")}, {s("2024"), s("Q4")}, 3020, 604);
    add({s("North"), s("Fargo")}, {s("Dairy"), s("Milk")}, {s("2024"), s("Q1")}, 410, 820);

    // Members in hierarchy order; "South" and "Kiwis" have no facts (empty members).
    m_members.resize(3);
    const QList<QStringList> geography = {{s("East")},
                                          {s("East"), s("Boston")},
                                          {s("East"), s("New York")},
                                          {s("North")},
                                          {s("North"), s("Fargo")},
                                          {s("South")},
                                          {s("South"), s("Miami")},
                                          {s("West")},
                                          {s("West"), s("Denver")},
                                          {s("West"), s("Seattle")}};
    const QList<QStringList> product = {{s("Dairy")},
                                        {s("Dairy"), s("Cheese")},
                                        {s("Dairy"), s("Milk")},
                                        {s("Fruit")},
                                        {s("Fruit"), s("Apples")},
                                        {s("Fruit"), s("Kiwis")},
                                        {s("Fruit"), s("Pears")}};
    QList<QStringList> time;
    for (const char* year : {"2023", "2024"}) {
        time << QStringList{s(year)};
        for (const char* q : {"Q1", "Q2", "Q3", "Q4"})
            time << QStringList{s(year), s(q)};
    }
    for (const auto& keys : geography)
        m_members[0] << member(keys);
    for (const auto& keys : product)
        m_members[1] << member(keys);
    // Years are named apart from their keys, as cubes often do.
    for (const auto& keys : time) {
        olap::Member m = member(keys);
        if (keys.size() == 1)
            m.caption = QStringLiteral("FY") + keys.first();
        m_members[2] << m;
    }
}

int FakeCube::hierarchyIndex(const QString& name) const
{
    for (int i = 0; i < m_schema.hierarchies.size(); ++i)
        if (m_schema.hierarchies[i].name == name)
            return i;
    platform::raiseError(platform::err::Unspecified, QStringLiteral("No hierarchy ") + name);
}

const QStringList& FakeCube::pathOf(const Fact& fact, int hierarchy) const
{
    return hierarchy == 0 ? fact.geography : hierarchy == 1 ? fact.product : fact.time;
}

std::vector<const FakeCube::Fact*> FakeCube::filtered(const olap::PivotQuery& query) const
{
    std::vector<const Fact*> out;
    for (const Fact& fact : m_facts) {
        bool keep = true;
        for (const olap::Filter& filter : query.filters) {
            if (filter.include.isEmpty())
                continue;
            const QStringList& path = pathOf(fact, hierarchyIndex(filter.hierarchy));
            keep = keep && std::any_of(filter.include.begin(), filter.include.end(), [&](const olap::MemberPath& m) {
                       return hasPrefix(path, m.keys);
                   });
        }
        if (keep)
            out.push_back(&fact);
    }
    return out;
}

QVector<olap::Tuple> FakeCube::axisTuples(const olap::Axis& axis, const std::vector<const Fact*>& facts) const
{
    QVector<olap::Tuple> out;
    const int fieldCount = int(axis.fields.size());
    if (fieldCount == 0)
        return {olap::Tuple{}};
    // Walks field f under the members already chosen for the fields before it.
    std::function<void(int, QVector<olap::TupleMember>&, const std::vector<const Fact*>&)> walk;
    auto allAfter = [&](QVector<olap::TupleMember> members, int from) {
        for (int k = from; k < fieldCount; ++k)
            members << olap::TupleMember{olap::Member{{}, QStringLiteral("All")}, true};
        return olap::Tuple{members};
    };
    walk = [&](int f, QVector<olap::TupleMember>& chosen, const std::vector<const Fact*>& under) {
        const olap::AxisField& field = axis.fields[f];
        const int h = hierarchyIndex(field.hierarchy);
        const int levels = int(m_schema.hierarchies[h].levels.size());
        std::function<void(const QStringList&)> visit = [&](const QStringList& parent) {
            QVector<olap::Member> children;
            for (const olap::Member& m : m_members[h])
                if (m.path.keys.size() == parent.size() + 1 && hasPrefix(m.path.keys, parent))
                    children << m;
            if (axis.sortByLabel != olap::SortOrder::None)
                std::stable_sort(children.begin(), children.end(), [&](const olap::Member& a, const olap::Member& b) {
                    return axis.sortByLabel == olap::SortOrder::Ascending ? a.caption < b.caption
                                                                          : a.caption > b.caption;
                });
            for (const olap::Member& m : children) {
                std::vector<const Fact*> mine;
                for (const Fact* fact : under)
                    if (hasPrefix(pathOf(*fact, h), m.path.keys))
                        mine.push_back(fact);
                if (mine.empty() && !axis.showEmpty)
                    continue;
                const bool expanded = m.path.level() + 1 < levels
                    && (m.path.level() < field.level ? !field.collapsed.contains(m.path)
                                                     : field.expanded.contains(m.path));
                if (expanded) {
                    visit(m.path.keys);
                    if (axis.subtotals) {
                        chosen << olap::TupleMember{m, true};
                        out << allAfter(chosen, f + 1);
                        chosen.removeLast();
                    }
                    continue;
                }
                chosen << olap::TupleMember{m, false};
                if (f + 1 < fieldCount) {
                    walk(f + 1, chosen, mine);
                    if (axis.subtotals)
                        out << allAfter(chosen, f + 1);
                } else {
                    out << olap::Tuple{chosen};
                }
                chosen.removeLast();
            }
        };
        visit({});
    };
    QVector<olap::TupleMember> chosen;
    walk(0, chosen, facts);
    if (axis.grandTotal)
        out << allAfter({}, 0);
    return out;
}

bool FakeCube::matches(const Fact& fact, const olap::Tuple& tuple, const olap::Axis& axis) const
{
    for (int f = 0; f < tuple.members.size(); ++f)
        if (!hasPrefix(pathOf(fact, hierarchyIndex(axis.fields[f].hierarchy)), tuple.members[f].member.path.keys))
            return false;
    return true;
}

olap::CellSet FakeCube::query(const olap::PivotQuery& query)
{
    ++queryCount;
    lastQuery = query;
    for (const QString& m : query.measures)
        if (m != QLatin1String("Sales") && m != QLatin1String("Units"))
            platform::raiseError(platform::err::Unspecified, QStringLiteral("No measure ") + m);
    const auto facts = filtered(query);
    olap::CellSet cells;
    cells.rows = axisTuples(query.rows, facts);
    cells.columns = axisTuples(query.columns, facts);
    cells.measures = query.measures;
    cells.values.resize(size_t(cells.rows.size()) * size_t(cells.columns.size()) * size_t(cells.measures.size()));
    size_t i = 0;
    for (const olap::Tuple& row : cells.rows)
        for (const olap::Tuple& column : cells.columns)
            for (const QString& measure : cells.measures) {
                std::optional<double> sum;
                for (const Fact* fact : facts)
                    if (matches(*fact, row, query.rows) && matches(*fact, column, query.columns))
                        sum = sum.value_or(0) + (measure == QLatin1String("Sales") ? fact->sales : fact->units);
                cells.values[i++] = sum;
            }
    // Value sort of the row axis by the grand-total column (top-level members only).
    if (query.rows.sortByMeasure && query.rows.sortByValue != olap::SortOrder::None && !cells.rows.isEmpty()) {
        std::vector<int> order(size_t(cells.rows.size()));
        for (int r = 0; r < cells.rows.size(); ++r)
            order[size_t(r)] = r;
        const int last = int(cells.columns.size()) - 1;
        const bool hasGrand = query.rows.grandTotal;
        std::stable_sort(order.begin(), order.end() - (hasGrand ? 1 : 0), [&](int a, int b) {
            const double va = cells.value(a, last, *query.rows.sortByMeasure).value_or(0);
            const double vb = cells.value(b, last, *query.rows.sortByMeasure).value_or(0);
            return query.rows.sortByValue == olap::SortOrder::Ascending ? va < vb : va > vb;
        });
        olap::CellSet sorted = cells;
        const size_t width = size_t(cells.columns.size()) * size_t(cells.measures.size());
        for (size_t r = 0; r < order.size(); ++r) {
            sorted.rows[qsizetype(r)] = cells.rows[order[r]];
            std::copy_n(cells.values.begin() + std::ptrdiff_t(size_t(order[r]) * width), width,
                        sorted.values.begin() + std::ptrdiff_t(r * width));
        }
        cells = sorted;
    }
    return cells;
}

QVector<olap::Member> FakeCube::members(const QString& hierarchy, int level, const olap::MemberPath& parent,
                                        const QString& search)
{
    QVector<olap::Member> out;
    for (const olap::Member& m : m_members[hierarchyIndex(hierarchy)])
        if (m.path.level() == level && hasPrefix(m.path.keys, parent.keys)
            && (search.isEmpty() || m.caption.contains(search, Qt::CaseInsensitive)))
            out << m;
    return out;
}

olap::DetailRows FakeCube::details(const olap::PivotQuery& query, int row, int column, int limit)
{
    const olap::CellSet cells = this->query(query);
    olap::DetailRows rows;
    rows.columns = {QStringLiteral("Region"), QStringLiteral("City"), QStringLiteral("Item"), QStringLiteral("Sales")};
    for (const Fact* fact : filtered(query)) {
        if (!matches(*fact, cells.rows[row], query.rows) || !matches(*fact, cells.columns[column], query.columns))
            continue;
        if (rows.rows.size() == limit) {
            rows.truncated = true;
            break;
        }
        rows.rows << QVector<QVariant>{fact->geography[0], fact->geography[1], fact->product[1], fact->sales};
    }
    return rows;
}

}
