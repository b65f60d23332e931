#include "pivot/PivotLayout.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace pivot;

namespace {

FieldRef hierarchy(const char* name, int level = 0)
{
    return FieldRef{FieldRef::Kind::Hierarchy, QString::fromLatin1(name), level};
}
FieldRef measure(const char* name)
{
    return FieldRef{FieldRef::Kind::Measure, QString::fromLatin1(name), 0};
}
olap::MemberPath path(std::initializer_list<const char*> keys)
{
    olap::MemberPath p;
    for (const char* k : keys)
        p.keys << QString::fromLatin1(k);
    return p;
}

TEST(PivotLayout, AFieldStandsInOneAreaAndKeepsItsStateWhenMoved)
{
    PivotLayout layout;
    EXPECT_TRUE(layout.place(hierarchy("Geography"), Area::Row));
    layout.setExpanded(Area::Row, 0, path({"East"}), true);
    EXPECT_TRUE(layout.place(hierarchy("Geography"), Area::Column));
    EXPECT_TRUE(layout.rows.fields.isEmpty());
    ASSERT_EQ(layout.columns.fields.size(), 1);
    EXPECT_EQ(layout.columns.fields[0].expanded, QVector<olap::MemberPath>{path({"East"})});
    // Areas take only their kind of field.
    EXPECT_FALSE(layout.place(measure("Sales"), Area::Row));
    EXPECT_FALSE(layout.place(hierarchy("Time"), Area::Data));
}

TEST(PivotLayout, MovingWithinAnAreaLandsWhereDropped)
{
    PivotLayout layout;
    layout.place(hierarchy("A"), Area::Row);
    layout.place(hierarchy("B"), Area::Row);
    layout.place(hierarchy("C"), Area::Row);
    layout.place(hierarchy("A"), Area::Row, 2);   // dropped between B and C
    QStringList order;
    for (const auto& f : layout.rows.fields)
        order << f.hierarchy;
    EXPECT_EQ(order, (QStringList{QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C")}));
    layout.place(hierarchy("C"), Area::Row, 0);
    order.clear();
    for (const auto& f : layout.rows.fields)
        order << f.hierarchy;
    EXPECT_EQ(order, (QStringList{QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")}));
}

TEST(PivotLayout, RemovingFieldsDropsTheirFiltersAndValueSorts)
{
    PivotLayout layout;
    layout.place(hierarchy("Product"), Area::Filter);
    layout.setFilter(QStringLiteral("Product"), {path({"Fruit"})});
    layout.place(measure("Sales"), Area::Data);
    layout.place(measure("Units"), Area::Data);
    layout.rows.sortByMeasure = 1;
    layout.rows.sortByValue = olap::SortOrder::Descending;
    layout.columns.sortByMeasure = 0;
    layout.columns.sortByValue = olap::SortOrder::Ascending;

    layout.remove(hierarchy("Product"));
    EXPECT_EQ(layout.filterFor(QStringLiteral("Product")), nullptr);

    layout.remove(measure("Sales"));
    EXPECT_EQ(layout.rows.sortByMeasure, 0);   // Units moved up to place 0
    EXPECT_FALSE(layout.columns.sortByMeasure.has_value());
    EXPECT_EQ(layout.columns.sortByValue, olap::SortOrder::None);
}

TEST(PivotLayout, MovingAFieldKeepsItsFilterAndItsValueSort)
{
    PivotLayout layout;
    layout.place(hierarchy("Geography"), Area::Filter);
    layout.setFilter(QStringLiteral("Geography"), {path({"East"})});
    layout.place(hierarchy("Geography"), Area::Row);
    ASSERT_NE(layout.filterFor(QStringLiteral("Geography")), nullptr);
    EXPECT_EQ(layout.filterFor(QStringLiteral("Geography"))->include, QVector<olap::MemberPath>{path({"East"})});

    // Rows sorted by Sales; reordering the data fields must not switch the sort to Units.
    layout.place(measure("Sales"), Area::Data);
    layout.place(measure("Units"), Area::Data);
    layout.rows.sortByMeasure = 0;
    layout.rows.sortByValue = olap::SortOrder::Descending;
    layout.place(measure("Units"), Area::Data, 0);
    EXPECT_EQ(layout.rows.sortByMeasure, 1);
    layout.place(measure("Sales"), Area::Data, 0);
    EXPECT_EQ(layout.rows.sortByMeasure, 0);
    EXPECT_EQ(layout.rows.sortByValue, olap::SortOrder::Descending);
}

TEST(PivotLayout, ExpandingMembersAndLevels)
{
    PivotLayout layout;
    layout.place(hierarchy("Time"), Area::Row);
    const auto year = path({"2024"});
    EXPECT_FALSE(PivotLayout::isExpanded(layout.rows.fields[0], year));
    layout.setExpanded(Area::Row, 0, year, true);
    EXPECT_TRUE(PivotLayout::isExpanded(layout.rows.fields[0], year));

    layout.setLevelExpanded(Area::Row, 0, 0, true);
    EXPECT_EQ(layout.rows.fields[0].level, 1);
    EXPECT_TRUE(layout.rows.fields[0].expanded.isEmpty());
    // Collapsing one member of an expanded level, then the whole level.
    layout.setExpanded(Area::Row, 0, year, false);
    EXPECT_FALSE(PivotLayout::isExpanded(layout.rows.fields[0], year));
    EXPECT_TRUE(PivotLayout::isExpanded(layout.rows.fields[0], path({"2023"})));
    layout.setLevelExpanded(Area::Row, 0, 0, false);
    EXPECT_EQ(layout.rows.fields[0].level, 0);
    EXPECT_TRUE(layout.rows.fields[0].collapsed.isEmpty());
}

TEST(PivotLayout, QueryNeverCarriesAValueSortOutOfRange)
{
    PivotLayout layout;
    layout.place(measure("Sales"), Area::Data);
    layout.rows.sortByMeasure = 3;
    layout.rows.sortByValue = olap::SortOrder::Ascending;
    const olap::PivotQuery query = layout.toQuery();
    EXPECT_EQ(query.measures, QStringList{QStringLiteral("Sales")});
    EXPECT_FALSE(query.rows.sortByMeasure.has_value());
}

}
