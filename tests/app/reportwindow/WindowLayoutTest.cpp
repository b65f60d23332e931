#include "app/reportwindow/WindowLayout.h"

#include <gtest/gtest.h>

using namespace reportwindow;
using windowlayout::Input;
using windowlayout::ViewMode;

namespace {

// The version 10 window at its design size.
Input designSize(ViewMode mode = ViewMode::Both)
{
    Input in;
    in.scaleWidth = 11100;
    in.scaleHeight = 8595;
    in.outerHeight = 9405;
    in.pivotLeft = 2280;
    in.pivotTop = 600;
    in.pivotHeight = 3000;
    in.pivotWidth = 5000;
    in.treeTop = 600;
    in.webLinkWidth = 1800;
    in.logoHeight = 600;
    in.mode = mode;
    return in;
}

}

TEST(WindowLayout, BothViewsAtTheDesignSizeFollowTheWorkedExample)
{
    const auto out = windowlayout::compute(designSize());
    ASSERT_TRUE(out.laidOut);
    EXPECT_DOUBLE_EQ(out.pivot.height, 3927.5);
    EXPECT_DOUBLE_EQ(out.pivot.width, 8660);
    ASSERT_TRUE(out.chart);
    EXPECT_DOUBLE_EQ(out.chart->height, 3787.5);
    EXPECT_DOUBLE_EQ(out.chart->width, 8740);
    EXPECT_DOUBLE_EQ(out.chartTop, 4607.5);
    // The chart ends 200 twips above the inner bottom edge.
    EXPECT_DOUBLE_EQ(out.chartTop + out.chart->height, 600 + 7975 - 180);
    EXPECT_DOUBLE_EQ(out.pivotMaxHeight, 3927.5 / 15);
    EXPECT_DOUBLE_EQ(out.pivotMaxWidth, 8660.0 / 15);
    EXPECT_DOUBLE_EQ(out.webLinkLeft, 11100 - 1800 - 120);
    EXPECT_DOUBLE_EQ(out.treeHeight, 8595 - 1200 - 1500);
    EXPECT_DOUBLE_EQ(out.removeButtonTop, 600 + out.treeHeight + 50);
    EXPECT_DOUBLE_EQ(out.logoTop, 9405 - 600 - 850);
    EXPECT_TRUE(out.chartVisible);
}

TEST(WindowLayout, PivotOnlyHidesTheChartAndGraphOnlyKeepsThePivotSize)
{
    const auto pivot = windowlayout::compute(designSize(ViewMode::Pivot));
    EXPECT_TRUE(pivot.pivotVisible);
    EXPECT_FALSE(pivot.chartVisible);
    EXPECT_FALSE(pivot.chart);
    EXPECT_DOUBLE_EQ(pivot.pivot.height, 7965);
    EXPECT_DOUBLE_EQ(pivot.pivot.width, 8740);

    const auto graph = windowlayout::compute(designSize(ViewMode::Graph));
    EXPECT_FALSE(graph.pivotVisible);
    EXPECT_DOUBLE_EQ(graph.pivot.height, 3000);
    EXPECT_DOUBLE_EQ(graph.pivotMaxHeight, 200);
    EXPECT_DOUBLE_EQ(graph.pivotMaxWidth, 5000.0 / 15);
    ASSERT_TRUE(graph.chart);
    EXPECT_DOUBLE_EQ(graph.chartTop, 600);
    EXPECT_DOUBLE_EQ(graph.chart->height, 7775);
}

TEST(WindowLayout, SmallFreeAreaMovesOnlyTheWebLink)
{
    Input tall = designSize();
    tall.scaleHeight = 600 + 20 + 2500;   // H = 2500
    EXPECT_FALSE(windowlayout::compute(tall).laidOut);
    tall.scaleHeight += 1;   // H = 2501
    EXPECT_TRUE(windowlayout::compute(tall).laidOut);

    Input wide = designSize();
    wide.scaleWidth = 2280 + 80 + 400;   // W = 400
    const auto narrow = windowlayout::compute(wide);
    EXPECT_FALSE(narrow.laidOut);
    EXPECT_DOUBLE_EQ(narrow.webLinkLeft, wide.scaleWidth - 1800 - 120);
    wide.scaleWidth += 1;   // W = 401
    EXPECT_TRUE(windowlayout::compute(wide).laidOut);
}

TEST(WindowLayout, TreeHeightFollowsOnlyTheInnerHeight)
{
    Input in = designSize();
    const double before = windowlayout::compute(in).treeHeight;
    in.scaleWidth += 3000;
    EXPECT_DOUBLE_EQ(windowlayout::compute(in).treeHeight, before);
}
