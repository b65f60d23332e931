#include "app/reportwindow/ReportWindowTestSupport.h"

#include "app/reportwindow/ChartFromPivot.h"
#include "app/reportwindow/GraphTypeList.h"
#include "app/reportwindow/PivotChartSource.h"
#include "chart/ChartDataSource.h"
#include "chart/ChartSpace.h"
#include "pivot/PivotTable.h"

#include <QComboBox>
#include <gtest/gtest.h>

using namespace reportwindow;
using namespace chart;

namespace {

const QStringList kMeasures{QStringLiteral("Revenue"), QStringLiteral("Quantity"), QStringLiteral("Order Lines"),
                            QStringLiteral("Average Discount"), QStringLiteral("Customers")};

// A version 9 pivot table on the sample sales cube with regions on the rows, years on
// the columns and the first `totals` measures as data fields.
class ChartFromPivotTest : public ::testing::Test
{
protected:
    ChartFromPivotTest() : table(pivot::Version::V9), space(ComponentVersion::V9)
    {
        table.setConnectionString(QStringLiteral("Provider=MSOLAP.4;data source=" TESSALINE_SAMPLE_DATA "/Sales.cub"));
        table.setDataMember(QStringLiteral("Sales"));
        table.placeField({pivot::FieldRef::Kind::Hierarchy, QStringLiteral("Geography"), 0}, pivot::Area::Row);
        table.placeField({pivot::FieldRef::Kind::Hierarchy, QStringLiteral("Time"), 0}, pivot::Area::Column);
        table.ActiveView().TitleBar().setCaption(QStringLiteral("Sales by region"));
    }

    void showTotals(int totals)
    {
        for (const QString& measure : kMeasures)
            table.removeField({pivot::FieldRef::Kind::Measure, measure, 0});
        for (int i = 0; i < totals; ++i)
            table.placeField({pivot::FieldRef::Kind::Measure, kMeasures[i], 0}, pivot::Area::Data);
        ASSERT_EQ(table.ActiveView().DataAxis().Totals().Count(), totals);
    }

    ChChart& build(int totals)
    {
        showTotals(totals);
        chartfrompivot::LoadChart(table, space);
        return space.Charts()(0);
    }

    QString caption(int total) { return table.ActiveView().DataAxis().Totals()(total).Caption(); }
    QString format(int total) { return table.ActiveView().DataAxis().Totals()(total).NumberFormat(); }

    ReportWindowRun r;
    pivot::PivotTable table;
    ChartSpace space;
};

}

TEST_F(ChartFromPivotTest, WithoutTotalsTheChartHasTitleLegendSeriesAndCategoriesOnly)
{
    ChChart& chart = build(0);
    EXPECT_EQ(space.Charts().Count(), 1);
    EXPECT_EQ(space.DataSource(), PivotChartSource::of(table));
    EXPECT_TRUE(chart.HasLegend());
    EXPECT_TRUE(chart.HasTitle());
    EXPECT_EQ(chart.Title().Caption(), QStringLiteral("Sales by region"));
    DataBinding expected;
    expected.seriesNames = chPivotColumns;
    expected.categories = chPivotRows;
    EXPECT_EQ(chart.binding(), expected);
    EXPECT_EQ(chart.Type(), chChartTypeColumnClustered);
}

TEST_F(ChartFromPivotTest, OneTotalGivesTheValuesAndKeepsTheChosenType)
{
    space.Charts().Add().setType(chChartTypeBarStacked);
    ChChart& chart = build(1);
    EXPECT_EQ(chart.binding().values, 0);
    EXPECT_EQ(chart.Type(), chChartTypeBarStacked);
    EXPECT_FALSE(chart.Axes(chAxisPositionLeft).HasTitle());
}

TEST_F(ChartFromPivotTest, TwoTotalsMakeAScatterChartWithTitledAxes)
{
    ChChart& chart = build(2);
    EXPECT_EQ(chart.Type(), chChartTypeScatterMarkers);
    EXPECT_EQ(chart.binding().yValues, 0);
    EXPECT_EQ(chart.binding().xValues, 1);
    const std::pair<int, int> axes[] = {{chAxisPositionLeft, 0}, {chAxisPositionBottom, 1}};
    for (const auto& [position, total] : axes) {
        const ChartAxis& axis = chart.Axes(position);
        EXPECT_EQ(axis.NumberFormat(), format(total)) << total;
        EXPECT_TRUE(axis.HasTitle());
        EXPECT_EQ(axis.Title().Caption(), caption(total));
        EXPECT_EQ(axis.Scaling().Orientation(), chScaleOrientationMinMax);
    }
    EXPECT_EQ(chart.Title().Caption(), QStringLiteral("Sales by region"));

    // Back to one total: the scatter type stays until the user picks another.
    build(1);
    EXPECT_EQ(chart.Type(), chChartTypeScatterMarkers);
}

TEST_F(ChartFromPivotTest, FiveTotalsMakeABubbleChartOfTheFirstThreeNamedOnceInTheTitle)
{
    ChChart& chart = build(5);
    EXPECT_EQ(chart.Type(), chChartTypeBubble);
    EXPECT_EQ(chart.binding().yValues, 0);
    EXPECT_EQ(chart.binding().xValues, 1);
    EXPECT_EQ(chart.binding().bubbleValues, 2);
    EXPECT_EQ(chart.Axes(chAxisPositionBottom).Title().Caption(), caption(1));
    const QString title =
        QStringLiteral("Sales by region  (Bubble Size Represents ") + caption(2) + QStringLiteral(")");
    EXPECT_EQ(chart.Title().Caption(), title);

    chartfrompivot::LoadChart(table, space);
    EXPECT_EQ(chart.Title().Caption(), title);
    EXPECT_EQ(space.Charts().Count(), 1);
}

TEST_F(ChartFromPivotTest, AnExistingBindingIsNeverReplaced)
{
    pivot::PivotTable other(pivot::Version::V9);
    space.setDataSource(PivotChartSource::of(other));
    build(1);
    EXPECT_EQ(space.DataSource(), PivotChartSource::of(other));
}

TEST_F(ChartFromPivotTest, TheTypeListHoldsTheThirtyOneTypesInTheirStoredOrder)
{
    QComboBox list;
    chartfrompivot::fillGraphTypeList(list);
    ASSERT_EQ(list.count(), 31);
    EXPECT_EQ(list.currentIndex(), -1);
    const std::tuple<int, const char*, int> samples[] = {
        {0, "Area", chChartTypeArea},
        {4, "Bar Stacked", chChartTypeBarStacked},
        {6, "Column Clustered", chChartTypeColumnClustered},
        {8, "Column Stacked100", chChartTypeColumnStacked100},
        {16, "Line Stacked Markers", chChartTypeLineStackedMarkers},
        {20, "RadarLine", chChartTypeRadarLine},
        {21, "Radar Line Filled", chChartTypeRadarLineFilled},
        {30, "Smooth LineStackedMarkers", chChartTypeSmoothLineStackedMarkers},
    };
    for (const auto& [position, text, type] : samples) {
        EXPECT_EQ(list.itemText(position), QString::fromLatin1(text)) << position;
        EXPECT_EQ(list.itemData(position).toInt(), type) << position;
    }
    EXPECT_EQ(list.itemText(graphtypelist::kDefaultEntry), QStringLiteral("Bar Stacked"));

    // Every entry is a distinct type the chart can draw.
    ChChart& chart = space.Charts().Add();
    QSet<int> types;
    for (int i = 0; i < list.count(); ++i) {
        types.insert(list.itemData(i).toInt());
        EXPECT_NO_THROW(chart.setType(list.itemData(i).toInt())) << i;
    }
    EXPECT_EQ(types.size(), 31);
}

TEST_F(ChartFromPivotTest, ChoosingATypeSetsItAndAMissingChartIsReportedInABox)
{
    QComboBox list;
    chartfrompivot::fillGraphTypeList(list);
    chartfrompivot::subFixGraphType(space, list);
    ASSERT_EQ(r.run.fakes.messageBox.shown.size(), 1);
    EXPECT_FALSE(r.run.fakes.messageBox.shown[0].text.isEmpty());
    EXPECT_EQ(r.run.fakes.messageBox.shown[0].style, platform::mb::vbOKOnly);
    EXPECT_TRUE(r.run.fakes.messageBox.shown[0].title.isEmpty());

    ChChart& chart = space.Charts().Add();
    chart.setType(chChartTypePie);
    chartfrompivot::subFixGraphType(space, list);   // nothing selected
    EXPECT_EQ(chart.Type(), chChartTypePie);
    list.setCurrentIndex(8);
    chartfrompivot::subFixGraphType(space, list);
    EXPECT_EQ(chart.Type(), chChartTypeColumnStacked100);
    EXPECT_EQ(r.run.fakes.messageBox.shown.size(), 1);
}

TEST_F(ChartFromPivotTest, TheVersionNineWindowSetsTheTypeWhenAnEntryIsSelected)
{
    ReportWindow* window = r.load("frmStats2K");
    window->cmbGraphType()->setCurrentIndex(graphtypelist::kDefaultEntry);
    EXPECT_EQ(window->excChart()->Charts()(0).Type(), chChartTypeBarStacked);
}
