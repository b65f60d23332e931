#include "FakeDataSource.h"

#include "chart/ChartBuilder.h"
#include "chart/ChartTypes.h"
#include "chart/ChartXml.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPieSeries>
#include <QPolarChart>
#include <QScatterSeries>
#include <QSplineSeries>
#include <gtest/gtest.h>
#include <memory>

using namespace chart;

namespace {

ChartData sample()
{
    ChartData data;
    data.categories = QStringList{QStringLiteral("Q1"), QStringLiteral("Q2"), QStringLiteral("Q3")};
    data.series = {
        {QStringLiteral("North"), {10.0, 20.0, 30.0}, {}, {}, {}},
        {QStringLiteral("South"), {30.0, std::nullopt, 10.0}, {}, {}, {}},
    };
    data.series[0].x = {1.0, 2.0, 3.0};
    data.series[0].y = {5.0, 6.0, 7.0};
    data.series[0].size = {1.0, 4.0, 16.0};
    data.series[1].x = {1.5, 2.5, 3.5};
    data.series[1].y = {2.0, 3.0, 4.0};
    data.series[1].size = {2.0, 2.0, 2.0};
    data.valueFormat = QStringLiteral("Currency");
    return data;
}

std::unique_ptr<QChart> build(int type, const ChartData& data = sample(), QVector<AxisState> axes = {})
{
    ChartState state;
    state.type = type;
    state.axes = axes;
    return std::unique_ptr<QChart>(buildChart(state, data));
}

QStringList labels(QAbstractAxis* axis)
{
    auto* category = qobject_cast<QCategoryAxis*>(axis);
    return category ? category->categoriesLabels() : QStringList();
}

}

TEST(ChartBuilder, EveryTypeDrawsTheSeriesItsNameSays)
{
    using T = QAbstractSeries::SeriesType;
    const std::map<int, T> expected{
        {chChartTypeColumnClustered, T::SeriesTypeBar},
        {chChartTypeColumnStacked, T::SeriesTypeStackedBar},
        {chChartTypeColumnStacked100, T::SeriesTypePercentBar},
        {chChartTypeBarClustered, T::SeriesTypeHorizontalBar},
        {chChartTypeBarStacked, T::SeriesTypeHorizontalStackedBar},
        {chChartTypeBarStacked100, T::SeriesTypeHorizontalPercentBar},
        {chChartTypeLine, T::SeriesTypeLine},
        {chChartTypeLineMarkers, T::SeriesTypeLine},
        {chChartTypeLineStacked, T::SeriesTypeLine},
        {chChartTypeLineStackedMarkers, T::SeriesTypeLine},
        {chChartTypeLineStacked100, T::SeriesTypeLine},
        {chChartTypeLineStacked100Markers, T::SeriesTypeLine},
        {chChartTypeSmoothLine, T::SeriesTypeSpline},
        {chChartTypeSmoothLineMarkers, T::SeriesTypeSpline},
        {chChartTypeSmoothLineStacked, T::SeriesTypeSpline},
        {chChartTypeSmoothLineStackedMarkers, T::SeriesTypeSpline},
        {chChartTypeSmoothLineStacked100, T::SeriesTypeSpline},
        {chChartTypeSmoothLineStacked100Markers, T::SeriesTypeSpline},
        {chChartTypePie, T::SeriesTypePie},
        {chChartTypePieExploded, T::SeriesTypePie},
        {chChartTypePieStacked, T::SeriesTypePie},
        {chChartTypeDoughnut, T::SeriesTypePie},
        {chChartTypeDoughnutExploded, T::SeriesTypePie},
        {chChartTypeArea, T::SeriesTypeArea},
        {chChartTypeAreaStacked, T::SeriesTypeArea},
        {chChartTypeAreaStacked100, T::SeriesTypeArea},
        {chChartTypeRadarLine, T::SeriesTypeLine},
        {chChartTypeRadarLineMarkers, T::SeriesTypeLine},
        {chChartTypeRadarLineFilled, T::SeriesTypeArea},
        {chChartTypeRadarSmoothLine, T::SeriesTypeSpline},
        {chChartTypeRadarSmoothLineMarkers, T::SeriesTypeSpline},
        {chChartTypeScatterMarkers, T::SeriesTypeScatter},
        {chChartTypeBubble, T::SeriesTypeScatter},
    };
    ASSERT_EQ(expected.size(), size_t(allChartTypes().size()));
    for (const ChartTypeTraits& traits : allChartTypes()) {
        auto chart = build(traits.number);
        ASSERT_FALSE(chart->series().isEmpty()) << traits.name;
        EXPECT_EQ(chart->series()[0]->type(), expected.at(traits.number)) << traits.name;
        EXPECT_EQ(chart->chartType() == QChart::ChartTypePolar, traits.family == ChartFamily::Radar) << traits.name;
        auto* line = qobject_cast<QXYSeries*>(chart->series()[0]);
        if (line && !traits.isXY()) {
            EXPECT_EQ(line->pointsVisible(), traits.markers) << traits.name;
        }
    }
}

TEST(ChartBuilder, StackedLinesAddUpAndPercentLinesEndAtAHundred)
{
    auto stacked = build(chChartTypeLineStacked);
    auto* top = qobject_cast<QXYSeries*>(stacked->series()[1]);
    ASSERT_TRUE(top);
    ASSERT_EQ(top->count(), 3);
    EXPECT_DOUBLE_EQ(top->at(0).y(), 40);
    EXPECT_DOUBLE_EQ(top->at(1).y(), 20);   // nothing in South counts as nothing
    auto percent = build(chChartTypeLineStacked100);
    auto* last = qobject_cast<QXYSeries*>(percent->series()[1]);
    EXPECT_DOUBLE_EQ(last->at(0).y(), 100);
    EXPECT_DOUBLE_EQ(qobject_cast<QXYSeries*>(percent->series()[0])->at(0).y(), 25);
    EXPECT_TRUE(labels(percent->axes(Qt::Vertical).value(0)).contains(QStringLiteral("100%")));

    // A plain line leaves a gap where a value is missing.
    auto plain = build(chChartTypeLine);
    EXPECT_EQ(qobject_cast<QXYSeries*>(plain->series()[1])->count(), 2);
}

TEST(ChartBuilder, PiesDoughnutsAndRings)
{
    auto pie = build(chChartTypePie);
    ASSERT_EQ(pie->series().size(), 1);   // a plain pie shows the first series
    auto* slices = qobject_cast<QPieSeries*>(pie->series()[0]);
    EXPECT_EQ(slices->count(), 3);
    EXPECT_DOUBLE_EQ(slices->holeSize(), 0);
    EXPECT_FALSE(slices->slices()[0]->isExploded());
    // The legend names the categories, the slices show the values in their format.
    EXPECT_EQ(pie->legend()->markers(slices)[1]->label(), QStringLiteral("Q2"));

    auto doughnut = build(chChartTypeDoughnutExploded);
    ASSERT_EQ(doughnut->series().size(), 2);
    auto* inner = qobject_cast<QPieSeries*>(doughnut->series()[0]);
    auto* outer = qobject_cast<QPieSeries*>(doughnut->series()[1]);
    EXPECT_GT(inner->holeSize(), 0);
    EXPECT_DOUBLE_EQ(outer->holeSize(), inner->pieSize());
    EXPECT_TRUE(outer->slices()[0]->isExploded());
    EXPECT_EQ(outer->count(), 2);   // a missing value gets no slice

    auto stacked = build(chChartTypePieStacked);
    EXPECT_EQ(stacked->series().size(), 2);
    EXPECT_DOUBLE_EQ(qobject_cast<QPieSeries*>(stacked->series()[0])->holeSize(), 0);
}

TEST(ChartBuilder, AxesTakeTheirFormatTitleAndOrientation)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    AxisState left;
    left.position = chAxisPositionLeft;
    left.hasTitle = true;
    left.title = QStringLiteral("Revenue");
    left.orientation = chScaleOrientationMaxMin;
    AxisState bottom;
    bottom.position = chAxisPositionBottom;
    bottom.hasTitle = true;
    bottom.title = QStringLiteral("Quarter");

    auto column = build(chChartTypeColumnClustered, sample(), {left, bottom});
    QAbstractAxis* values = column->axes(Qt::Vertical).value(0);
    ASSERT_TRUE(values);
    EXPECT_TRUE(values->isReverse());
    EXPECT_EQ(values->titleText(), QStringLiteral("Revenue"));
    EXPECT_TRUE(labels(values).contains(QStringLiteral("$30.00")))
        << labels(values).join(QLatin1Char('|')).toStdString();
    auto* categories = qobject_cast<QBarCategoryAxis*>(column->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(categories);
    EXPECT_EQ(categories->categories(), sample().categories);
    EXPECT_EQ(categories->titleText(), QStringLiteral("Quarter"));

    // A bar chart runs its values along the bottom, so the bottom axis's settings apply to them.
    left.numberFormat = QStringLiteral("0.0");
    bottom.numberFormat = QStringLiteral("#,##0 units");
    auto bar = build(chChartTypeBarClustered, sample(), {left, bottom});
    EXPECT_TRUE(labels(bar->axes(Qt::Horizontal).value(0)).contains(QStringLiteral("10 units")));
    EXPECT_EQ(bar->axes(Qt::Horizontal).value(0)->titleText(), QStringLiteral("Quarter"));
    QLocale::setDefault(QLocale::c());
}

TEST(ChartBuilder, BubblesGrowWithTheirSizeValues)
{
    auto chart = build(chChartTypeBubble);
    // A legend entry per series, then a bubble per point.
    const auto series = chart->series();
    ASSERT_EQ(series.size(), 2 + 3 + 3);
    auto bubble = [&](int i) { return qobject_cast<QScatterSeries*>(series[2 + i]); };
    ASSERT_TRUE(bubble(2));
    EXPECT_EQ(bubble(2)->name(), QStringLiteral("North"));
    EXPECT_DOUBLE_EQ(bubble(2)->at(0).x(), 3);
    EXPECT_DOUBLE_EQ(bubble(2)->at(0).y(), 7);
    EXPECT_LT(bubble(0)->markerSize(), bubble(1)->markerSize());
    // The area, not the diameter, follows the value: four times the size, twice as wide.
    EXPECT_DOUBLE_EQ(bubble(2)->markerSize() - 6, 2 * (bubble(1)->markerSize() - 6));
    EXPECT_EQ(bubble(2)->color(), qobject_cast<QScatterSeries*>(series[0])->color());
    EXPECT_NE(bubble(3)->color(), bubble(2)->color());
    EXPECT_FALSE(chart->legend()->markers(bubble(2)).value(0)->isVisible());
}

TEST(ChartBuilder, AChartWithoutDataStillHasItsTitleAndLegend)
{
    ChartState state;
    state.type = chChartTypeRadarLineFilled;
    state.hasTitle = true;
    state.title = QStringLiteral("Nothing yet");
    std::unique_ptr<QChart> chart(buildChart(state, ChartData{}));
    EXPECT_EQ(chart->title(), QStringLiteral("Nothing yet"));
    EXPECT_TRUE(chart->legend()->isVisible());
    for (const ChartTypeTraits& traits : allChartTypes())
        EXPECT_TRUE(build(traits.number, ChartData{})) << traits.name;
}

TEST(ChartBuilder, AwkwardDataStillDrawsOneCategoryPerValue)
{
    ChartData data;
    // Two members of one caption, an empty caption, and values near the limits of a double.
    data.categories = QStringList{QStringLiteral("Jan"), QStringLiteral("Jan"), QString(), QString()};
    data.series = {{QStringLiteral("S"), {1.0, 2.0, -1e307, 1e307}, {}, {}, {}}};
    auto column = build(chChartTypeColumnClustered, data);
    auto* categories = qobject_cast<QBarCategoryAxis*>(column->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(categories);
    EXPECT_EQ(categories->count(), 4);
    EXPECT_EQ(categories->categories()[1].trimmed(), QStringLiteral("Jan"));

    auto radar = build(chChartTypeRadarLine, data);
    auto* spokes = qobject_cast<QCategoryAxis*>(radar->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(spokes);
    EXPECT_EQ(spokes->count(), 4);
}

TEST(ChartBuilder, ManyCaptionsTurnRatherThanBeCutToNothing)
{
    ChartData data;
    for (int i = 0; i < 30; ++i)
        data.categories << QStringLiteral("Customer %1").arg(i);
    data.categories[3] = QString(60, QLatin1Char('w'));
    data.series = {{QStringLiteral("S"), Values(30, 1.0), {}, {}, {}}};
    auto column = build(chChartTypeColumnClustered, data);
    auto* categories = qobject_cast<QBarCategoryAxis*>(column->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(categories);
    EXPECT_EQ(categories->labelsAngle(), -90);
    EXPECT_FALSE(categories->truncateLabels());
    EXPECT_EQ(categories->count(), 30);
    EXPECT_LT(categories->at(3).size(), 40);   // shortened so the plot keeps its room

    // A bar chart's captions stand one above the other and need no turning.
    auto bar = build(chChartTypeBarClustered, data);
    EXPECT_EQ(bar->axes(Qt::Vertical).value(0)->labelsAngle(), 0);
}

namespace {

// The chart laid out at a window's size, as the chart space shows it.
struct LaidOut
{
    QGraphicsScene scene;
    QChart* chart;

    LaidOut(QChart* built, QSize size) : chart(built)
    {
        scene.addItem(chart);
        chart->setGeometry(QRectF(QPointF(0, 0), size));
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        scene.render(&painter);
    }
};

ChartData bigMoney(int categories)
{
    ChartData data;
    for (int c = 0; c < categories; ++c)
        data.categories << QStringLiteral("Q%1").arg(c + 1);
    data.series = {{QStringLiteral("North"), {}, {}, {}, {}}, {QStringLiteral("South"), {}, {}, {}, {}}};
    for (int c = 0; c < categories; ++c) {
        data.series[0].values << 123456.0 * (c + 1) * 4;
        data.series[1].values << 98765.0 * (c + 2);
    }
    data.valueFormat = QStringLiteral("Currency");
    return data;
}

}

TEST(ChartBuilder, ValueAxisLabelsNeverStandOnEachOtherAtTheWindowsSizes)
{
    for (int type : {chChartTypeBarClustered, chChartTypeBarStacked, chChartTypeBarStacked100,
                     chChartTypeColumnClustered, chChartTypeScatterMarkers}) {
        for (QSize size : {QSize(360, 220), QSize(500, 300), QSize(800, 450)}) {
            SCOPED_TRACE(testing::Message() << type << " at " << size.width() << "x" << size.height());
            LaidOut view(build(type, bigMoney(4)).release(), size);
            for (QAbstractAxis* axis : view.chart->axes()) {
                auto* values = qobject_cast<QCategoryAxis*>(axis);
                if (!values)
                    continue;
                const QFontMetricsF metrics(values->labelsFont());
                const bool across = values->orientation() == Qt::Horizontal;
                const QRectF plot = view.chart->plotArea();
                const qreal length = across ? plot.width() : plot.height();
                const double span = values->max() - values->min();
                const QStringList labels = values->categoriesLabels();
                ASSERT_GE(labels.size(), 2);
                for (qsizetype i = 1; i < labels.size(); ++i) {
                    const qreal gap = (values->endValue(labels[i]) - values->endValue(labels[i - 1])) / span * length;
                    const qreal need = across
                        ? (metrics.horizontalAdvance(labels[i]) + metrics.horizontalAdvance(labels[i - 1])) / 2
                        : metrics.height();
                    EXPECT_GE(gap, need) << labels[i - 1].toStdString() << " / " << labels[i].toStdString();
                }
            }
        }
    }
}

TEST(ChartBuilder, APieLeavesItsValueLabelsTheirRoomAndAnEmptyPivotDrawsNothing)
{
    for (QSize size : {QSize(360, 220), QSize(500, 300), QSize(800, 450)}) {
        for (int type : {chChartTypePie, chChartTypePieExploded}) {
            SCOPED_TRACE(testing::Message() << type << " at " << size.width() << "x" << size.height());
            LaidOut view(build(type, bigMoney(4)).release(), size);
            auto* pie = qobject_cast<QPieSeries*>(view.chart->series().value(0));
            ASSERT_TRUE(pie);
            const QRectF plot = view.chart->plotArea();
            qreal widest = 0;
            for (const QPieSlice* slice : pie->slices())
                widest = std::max(widest, QFontMetricsF(slice->labelFont()).horizontalAdvance(slice->label()));
            const qreal radius = pie->pieSize() * std::min(plot.width(), plot.height()) / 2;
            const qreal reach = radius
                * (1 + pie->slices()[0]->labelArmLengthFactor()
                   + (type == chChartTypePieExploded ? pie->slices()[0]->explodeDistanceFactor() : 0));
            EXPECT_LE(reach + widest, plot.width() / 2);
            EXPECT_LE(reach + QFontMetricsF(pie->slices()[0]->labelFont()).height(), plot.height() / 2);
        }
    }

    // A pivot without data fields: one nameless series without a value.
    ChartData empty;
    empty.categories = QStringList{QString()};
    empty.series = {{QString(), {std::nullopt}, {}, {}, {}}};
    for (const ChartTypeTraits& traits : allChartTypes()) {
        LaidOut view(build(traits.number, empty).release(), QSize(500, 300));
        EXPECT_TRUE(view.chart->legend()->markers().isEmpty()) << traits.name;
    }
}
