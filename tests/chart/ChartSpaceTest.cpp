#include "FakeDataSource.h"
#include "support/RaisedError.h"

#include "chart/ChartSpace.h"
#include "platform/VbError.h"

#include "chart/ChartPanels.h"

#include <QAbstractBarSeries>
#include <QAbstractSeries>
#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QValueAxis>
#include <gtest/gtest.h>

using namespace chart;

namespace {

QChart* shown(ChartSpace& space)
{
    const auto charts = space.shownCharts();
    return charts.isEmpty() ? nullptr : charts.first();
}

int barSets(QChart* chart)
{
    auto* bars = qobject_cast<QAbstractBarSeries*>(chart->series().value(0));
    return bars ? int(bars->count()) : -1;
}

}

TEST(ChartConstants, EveryNameTheWindowReadsResolves)
{
    const ChartConstants c;
    for (const char* name :
         {"chDimSeriesNames", "chDimCategories", "chDimValues", "chDimXValues", "chDimYValues", "chDimBubbleValues",
          "chPivotColumns", "chPivotRows", "chAxisPositionBottom", "chAxisPositionLeft", "chScaleOrientationMinMax",
          "chScaleOrientationMaxMin", "chChartTypeScatterMarkers", "chChartTypeBubble", "chDataBound"})
        EXPECT_TRUE(c.find(QLatin1String(name))) << name;
    EXPECT_EQ(c.value(QStringLiteral("CHCHARTTYPECOLUMNSTACKED100")), 2);
    EXPECT_EQ(c.value(QStringLiteral("chChartTypeDoughnutExploded")), 33);
    EXPECT_NE(c.value(QStringLiteral("chPivotColumns")), c.value(QStringLiteral("chPivotRows")));
    EXPECT_NE(c.value(QStringLiteral("chScaleOrientationMinMax")), c.value(QStringLiteral("chScaleOrientationMaxMin")));
    EXPECT_EQ(errorOf([&] { c.value(QStringLiteral("chNoSuchThing")); }), platform::err::MemberNotSupported);
}

TEST(ChartSpace, NewerVersionsDrawTheBoundPivotAtOnceAndFollowItsChanges)
{
    auto source = salesByRegion();
    ChartSpace space(ComponentVersion::V11);
    EXPECT_EQ(space.ChartDataSources().Count(), 0);
    space.setDataSource(source.get());
    EXPECT_EQ(space.ChartDataSources().Count(), 1);
    ASSERT_EQ(space.Charts().Count(), 1);
    ASSERT_TRUE(shown(space));
    EXPECT_EQ(barSets(shown(space)), 3);   // a series per column member

    source->set({QStringLiteral("Q1")}, {QStringLiteral("East"), QStringLiteral("West")}, {QStringLiteral("Sales")},
                {QStringLiteral("#,##0")}, [](int, int, int) { return 5.0; });
    EXPECT_EQ(barSets(shown(space)), 2);

    // Binding again keeps the chart and what was bound.
    space.Charts().Item(0).SetData(chDimValues, 0, 0);
    space.setDataSource(source.get());
    EXPECT_EQ(space.Charts().Count(), 1);
    EXPECT_EQ(space.Charts().Item(0).binding().values, 0);
}

TEST(ChartSpace, VersionNineWaitsForItsChartAndBindingButFollowsTheDataOnceBound)
{
    auto source = salesByRegion();
    ChartSpace space(ComponentVersion::V9);
    space.setDataSource(source.get());
    EXPECT_EQ(space.Charts().Count(), 0);
    space.Charts().Add();
    EXPECT_EQ(space.Charts().Item(0).binding(), DataBinding{});

    ChChart& chart = space.Charts().Item(0);
    chart.SetData(chDimSeriesNames, 0, chPivotColumns);
    chart.SetData(chDimCategories, 0, chPivotRows);
    chart.SetData(chDimValues, 0, 0);
    EXPECT_EQ(barSets(shown(space)), 3);
    source->set({QStringLiteral("Q1")}, {QStringLiteral("East")}, {QStringLiteral("Sales")}, {QString()},
                [](int, int, int) { return 5.0; });
    EXPECT_EQ(barSets(shown(space)), 1);
}

// What the chart holds of its type and axes is what it draws.
TEST(ChartSpace, AScatterChartIsDrawnWithItsTitledAxes)
{
    auto source = salesByRegion(2);
    ChartSpace space(ComponentVersion::V9);
    space.setDataSource(source.get());
    ChChart& chart = space.Charts().Add();
    chart.setType(chChartTypeScatterMarkers);
    chart.SetData(chDimSeriesNames, 0, chPivotColumns);
    chart.SetData(chDimYValues, 0, 0);
    chart.SetData(chDimXValues, 0, 1);
    chart.Axes(chAxisPositionLeft).setHasTitle(true);
    chart.Axes(chAxisPositionLeft).Title().setCaption(QStringLiteral("Sales"));

    QChart* drawn = shown(space);
    ASSERT_TRUE(drawn);
    ASSERT_EQ(drawn->series().size(), 3);
    EXPECT_EQ(drawn->series()[0]->type(), QAbstractSeries::SeriesTypeScatter);
    // Each point stands at its X field's value (North's Q2: 40 units, 4,000 sales), not at
    // its category's place.
    const auto* north = qobject_cast<QScatterSeries*>(drawn->series()[0]);
    ASSERT_TRUE(north);
    ASSERT_EQ(north->count(), 4);
    EXPECT_EQ(north->at(1), QPointF(40, 4000));
    const auto left = drawn->axes(Qt::Vertical);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0]->titleText(), QStringLiteral("Sales"));
    EXPECT_FALSE(left[0]->isReverse());
}

TEST(ChartSpace, MembersRefuseWhatTheyCannotDo)
{
    auto source = salesByRegion();
    ChartSpace space(ComponentVersion::V10);
    EXPECT_EQ(errorOf([&] { space.Charts().Item(0); }), platform::err::SubscriptOutOfRange);
    ChChart& chart = space.Charts().Add();
    // Nothing to bind to yet.
    EXPECT_EQ(errorOf([&] { chart.SetData(chDimValues, 0, 0); }), platform::err::InvalidArgument);
    space.setDataSource(source.get());
    EXPECT_EQ(errorOf([&] { chart.SetData(chDimValues, 1, 0); }), platform::err::InvalidArgument);
    EXPECT_EQ(errorOf([&] { chart.SetData(42, 0, 0); }), platform::err::InvalidArgument);
    EXPECT_EQ(errorOf([&] { chart.SetData(chDimSeriesNames, 0, 3); }), platform::err::InvalidArgument);
    EXPECT_EQ(errorOf([&] { chart.Axes(7); }), platform::err::InvalidArgument);
    EXPECT_EQ(errorOf([&] { chart.Axes(chAxisPositionLeft).Scaling().setOrientation(5); }),
              platform::err::InvalidPropertyValue);
    EXPECT_EQ(chart.Axes(chAxisPositionLeft).Scaling().Orientation(), chScaleOrientationMinMax);
    chart.setType(chChartTypeBubble);
    EXPECT_EQ(errorOf([&] { chart.setType(22); }), platform::err::InvalidPropertyValue);   // no such type
    EXPECT_EQ(chart.Type(), chChartTypeBubble);
}

TEST(ChartSpace, EachVersionOffersOnlyItsOwnMembers)
{
    ChartSpace v9(ComponentVersion::V9);
    const long missing = platform::err::MemberNotSupported;
    EXPECT_EQ(errorOf([&] { v9.XMLData(); }), missing);
    EXPECT_EQ(errorOf([&] { v9.setXMLData(QString()); }), missing);
    EXPECT_EQ(errorOf([&] { v9.GetPicture(QStringLiteral("gif"), 10, 10); }), missing);
    EXPECT_EQ(errorOf([&] { v9.setDisplayFieldList(true); }), missing);
    EXPECT_EQ(errorOf([&] { v9.setHasChartSpaceTitle(false); }), 0);

    const QTemporaryDir dir;
    for (auto version : {ComponentVersion::V10, ComponentVersion::V11}) {
        ChartSpace space(version);
        const QString file = dir.filePath(QStringLiteral("x.gif"));
        EXPECT_EQ(errorOf([&] { space.ExportPicture(file, QStringLiteral("gif"), 10, 10); }), missing);
        EXPECT_FALSE(QFile::exists(file));
        EXPECT_EQ(errorOf([&] { space.XMLData(); }), 0);
    }
}

TEST(ChartSpace, ASourceThatGoesAwayUnbindsTheChart)
{
    auto source = salesByRegion();
    ChartSpace space(ComponentVersion::V11);
    space.setDataSource(source.get());
    source.reset();
    EXPECT_EQ(space.ChartDataSources().Count(), 0);
    ASSERT_TRUE(shown(space));
    EXPECT_EQ(barSets(shown(space)), 0);
}

TEST(ChartSpace, PanelsAndTitleFollowTheirSwitches)
{
    auto source = salesByRegion();
    ChartSpace space(ComponentVersion::V11);
    space.resize(700, 400);
    space.show();
    space.setDataSource(source.get());
    space.setDisplayFieldList(true);
    space.setHasChartSpaceTitle(true);
    space.ChartSpaceTitle().setCaption(QStringLiteral("Overview"));
    space.shownCharts();
    EXPECT_TRUE(space.DisplayFieldList());
    EXPECT_FALSE(space.DisplayPropertyToolbox());
    EXPECT_EQ(space.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 3);
    int visiblePanels = 0;
    for (QWidget* child : space.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        visiblePanels += child->isVisible() ? 1 : 0;
    EXPECT_EQ(visiblePanels, 2);   // the chart and the field list
    // The title takes room above the chart.
    EXPECT_GT(shown(space)->geometry().top(), 10);
}

TEST(ChartSpace, ThePropertyToolboxEditsTheFirstChartAndShowsItsChanges)
{
    auto source = salesByRegion();
    ChartSpace space(ComponentVersion::V11);
    space.setDataSource(source.get());
    space.setDisplayPropertyToolbox(true);
    space.shownCharts();
    auto* toolbox = space.findChild<ChartPropertyToolbox*>();
    ASSERT_TRUE(toolbox);
    auto* types = toolbox->findChild<QComboBox*>();
    ASSERT_TRUE(types);

    types->setCurrentIndex(types->findData(chChartTypeDoughnut));
    EXPECT_EQ(space.Charts().Item(0).Type(), chChartTypeDoughnut);
    EXPECT_EQ(shown(space)->series()[0]->type(), QAbstractSeries::SeriesTypePie);

    space.Charts().Item(0).setType(chChartTypeAreaStacked);
    space.shownCharts();
    EXPECT_EQ(types->currentData().toInt(), chChartTypeAreaStacked);
    // Showing the chart's type did not write it back as a change of its own.
    EXPECT_EQ(space.Charts().Item(0).Type(), chChartTypeAreaStacked);
}
