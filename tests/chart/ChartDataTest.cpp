#include "FakeDataSource.h"

#include "chart/ChartData.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

DataBinding pivotBinding()
{
    DataBinding b;
    b.seriesNames = chPivotColumns;
    b.categories = chPivotRows;
    b.values = 0;
    return b;
}

}

TEST(ChartData, SeriesFromColumnsCategoriesFromRowsTotalsLeftOut)
{
    auto source = salesByRegion();
    source->addRowTotal(99999);
    const ChartData data = extractChartData(source.get(), pivotBinding(), false);
    EXPECT_EQ(data.categories,
              (QStringList{QStringLiteral("Q1"), QStringLiteral("Q2"), QStringLiteral("Q3"), QStringLiteral("Q4")}));
    ASSERT_EQ(data.series.size(), 3);
    EXPECT_EQ(data.series[1].name, QStringLiteral("South"));
    EXPECT_EQ(data.series[1].values[2], 3000.0 * 3 + 137);
    EXPECT_EQ(data.valueFormat, QStringLiteral("Currency"));

    // Swapped: the rows give the series.
    DataBinding swapped = pivotBinding();
    swapped.seriesNames = chPivotRows;
    swapped.categories = chPivotColumns;
    const ChartData transposed = extractChartData(source.get(), swapped, false);
    ASSERT_EQ(transposed.series.size(), 4);
    EXPECT_EQ(transposed.categories.size(), 3);
    EXPECT_EQ(transposed.series[2].values[1], data.series[1].values[2]);
}

TEST(ChartData, EveryDataFieldMakesItsOwnSeriesWhenAllAreDrawn)
{
    auto source = salesByRegion(2);
    DataBinding all = pivotBinding();
    all.values.reset();
    all.allTotals = true;
    const ChartData data = extractChartData(source.get(), all, false);
    ASSERT_EQ(data.series.size(), 6);
    EXPECT_EQ(data.series[0].name, QStringLiteral("North - Sales"));
    EXPECT_EQ(data.series[1].name, QStringLiteral("North - Units"));
    EXPECT_EQ(data.series[1].values[0], 20.0);

    // Without column fields the single series is named by its data field.
    FakeDataSource plain({QStringLiteral("A")}, {}, {QStringLiteral("Sales")}, {QString()},
                         [](int, int, int) { return 1.0; });
    const ChartData one = extractChartData(&plain, pivotBinding(), false);
    ASSERT_EQ(one.series.size(), 1);
    EXPECT_EQ(one.series[0].name, QStringLiteral("Sales"));
}

TEST(ChartData, PointsTakeTheirXYAndSizeFields)
{
    auto source = salesByRegion(3);
    DataBinding b = pivotBinding();
    b.values.reset();
    b.yValues = 0;
    b.xValues = 1;
    b.bubbleValues = 2;
    const ChartData data = extractChartData(source.get(), b, true);
    ASSERT_EQ(data.series.size(), 3);
    EXPECT_EQ(data.series[0].y[1], 4000.0);
    EXPECT_EQ(data.series[0].x[1], 40.0);
    EXPECT_NEAR(*data.series[0].size[1], 0.11, 1e-12);
    EXPECT_EQ(data.xFormat, QStringLiteral("#,##0"));
    EXPECT_EQ(data.sizeCaption, QStringLiteral("Margin"));
}

TEST(ChartData, AHugePivotIsCutToWhatAChartCanShow)
{
    QStringList rows, columns;
    for (int i = 0; i < 5000; ++i)
        rows << QString::number(i);
    for (int i = 0; i < 300; ++i)
        columns << QString::number(i);
    FakeDataSource huge(rows, columns, {QStringLiteral("M")}, {QString()}, [](int r, int, int) { return double(r); });
    const ChartData data = extractChartData(&huge, pivotBinding(), false);
    EXPECT_EQ(data.categories.size(), 100);
    ASSERT_EQ(data.series.size(), 100);
    EXPECT_EQ(data.series[99].values.size(), 100);
    EXPECT_EQ(data.series[99].values[99], 99.0);
}

TEST(ChartData, WhatCannotBeReadGivesNothingRatherThanACrash)
{
    auto source = salesByRegion();
    // Nothing bound: nothing drawn.
    EXPECT_TRUE(extractChartData(source.get(), DataBinding{}, false).series.isEmpty());
    // A data field the source does not have: series without values.
    DataBinding beyond = pivotBinding();
    beyond.values = 5;
    const ChartData data = extractChartData(source.get(), beyond, false);
    ASSERT_EQ(data.series.size(), 3);
    EXPECT_FALSE(data.series[0].values[0]);
    EXPECT_TRUE(data.valueFormat.isEmpty());

    // A cell set whose values do not match its axes.
    class Broken : public FakeDataSource
    {
    public:
        Broken()
            : FakeDataSource({QStringLiteral("A")}, {QStringLiteral("B")}, {QStringLiteral("M")}, {QString()},
                             [](int, int, int) { return 1.0; })
        {
            m_cells = FakeDataSource::cellSet();
            m_cells.values.clear();
        }
        const olap::CellSet& cellSet() const override { return m_cells; }
        olap::CellSet m_cells;
    } broken;
    EXPECT_TRUE(extractChartData(&broken, pivotBinding(), false).series.isEmpty());
}

TEST(ChartData, ValuesThatAreNotNumbersAreNoValues)
{
    FakeDataSource odd({QStringLiteral("A"), QStringLiteral("B")}, {QStringLiteral("C")}, {QStringLiteral("M")},
                       {QString()}, [](int r, int, int) { return r == 0 ? std::nan("") : 2.0; });
    const ChartData data = extractChartData(&odd, pivotBinding(), false);
    ASSERT_EQ(data.series.size(), 1);
    EXPECT_FALSE(data.series[0].values[0]);
    EXPECT_EQ(data.series[0].values[1], 2.0);
}

TEST(ChartData, LabelsAreThePivotsOwn)
{
    // Nested members read outer first by default.
    olap::Tuple nested;
    nested.members.append(
        {olap::Member{olap::MemberPath{QStringList{QStringLiteral("East")}}, QStringLiteral("East")}, false});
    nested.members.append({olap::Member{olap::MemberPath{QStringList{QStringLiteral("East"), QStringLiteral("Boston")}},
                                        QStringLiteral("Boston")},
                           false});
    EXPECT_EQ(tupleCaption(nested), QStringLiteral("East / Boston"));

    // A source that labels its positions itself is followed.
    class Labelled : public FakeDataSource
    {
    public:
        Labelled()
            : FakeDataSource({QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("c")}, {QStringLiteral("M")},
                             {QString()}, [](int, int, int) { return 1.0; })
        {
        }
        QString rowCaption(int position) const override { return QStringLiteral("Row %1").arg(position); }
    } labelled;
    const ChartData data = extractChartData(&labelled, pivotBinding(), false);
    EXPECT_EQ(data.categories, (QStringList{QStringLiteral("Row 0"), QStringLiteral("Row 1")}));
    EXPECT_EQ(data.series.value(0).name, QStringLiteral("c"));
}
