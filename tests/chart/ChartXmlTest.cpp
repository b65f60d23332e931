#include "FakeDataSource.h"
#include "support/RaisedError.h"

#include "chart/ChartSpace.h"
#include "chart/ChartTypes.h"
#include "chart/ChartXml.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

// A chart space with everything set away from its defaults.
void dressUp(ChartSpace& space, int type, const QString& text)
{
    space.setHasChartSpaceTitle(true);
    space.ChartSpaceTitle().setCaption(text + QStringLiteral(" space"));
    space.setDisplayFieldList(true);
    ChChart& chart = space.Charts().Count() ? space.Charts().Item(0) : space.Charts().Add();
    chart.setType(type);
    chart.setHasLegend(false);
    chart.setHasTitle(true);
    chart.Title().setCaption(text);
    chart.SetData(chDimSeriesNames, 0, chPivotRows);
    chart.SetData(chDimCategories, 0, chPivotColumns);
    chart.SetData(chDimYValues, 0, 1);
    chart.SetData(chDimXValues, 0, 0);
    chart.SetData(chDimBubbleValues, 0, 2);
    ChartAxis& left = chart.Axes(chAxisPositionLeft);
    left.setNumberFormat(QStringLiteral("#,##0.00 \"X\"*"));
    left.setHasTitle(true);
    left.Title().setCaption(text + QStringLiteral(" left"));
    left.Scaling().setOrientation(chScaleOrientationMaxMin);
    chart.Axes(chAxisPositionRight).Title().setCaption(QStringLiteral("unused"));
}

}

TEST(ChartXml, EveryChartTypeSurvivesAWriteToAFreshComponent)
{
    auto source = salesByRegion(3);
    for (const ChartTypeTraits& type : allChartTypes()) {
        ChartSpace original(ComponentVersion::V11);
        original.setDataSource(source.get());
        dressUp(original, type.number, QStringLiteral("Ümsatz \"<&>\" 😀 line\nnext\ttab"));
        const QString xml = original.XMLData();

        ChartSpace fresh(ComponentVersion::V10);
        fresh.setDataSource(source.get());
        fresh.setXMLData(xml);
        EXPECT_EQ(fresh.XMLData(), xml) << type.name;
        ASSERT_EQ(fresh.Charts().Count(), 1);
        const ChChart& chart = fresh.Charts().Item(0);
        EXPECT_EQ(chart.Type(), type.number);
        EXPECT_EQ(chart.Title().Caption(), QStringLiteral("Ümsatz \"<&>\" 😀 line\nnext\ttab"));
        EXPECT_EQ(chart.binding(), original.Charts().Item(0).binding());
        EXPECT_EQ(chart.Axes(chAxisPositionLeft).Scaling().Orientation(), chScaleOrientationMaxMin);
        EXPECT_EQ(chart.Axes(chAxisPositionLeft).NumberFormat(), QStringLiteral("#,##0.00 \"X\"*"));
        EXPECT_TRUE(fresh.HasChartSpaceTitle());
        EXPECT_TRUE(fresh.DisplayFieldList());
        // The restored state draws from the source that was already bound.
        EXPECT_EQ(fresh.ChartDataSources().Count(), 1);
    }
}

TEST(ChartXml, TheReportSeparatorsNeverAppearInTheText)
{
    ChartSpace space(ComponentVersion::V11);
    auto source = salesByRegion();
    space.setDataSource(source.get());
    const QString nasty = QStringLiteral("a***b XYZ XXX X*X **");
    dressUp(space, chChartTypeBubble, nasty);
    const QString xml = space.XMLData();
    EXPECT_FALSE(xml.contains(QLatin1String("***")));
    EXPECT_FALSE(xml.contains(QLatin1String("XYZ")));
    EXPECT_FALSE(xml.contains(QLatin1String("XXX")));
    EXPECT_FALSE(xml.contains(QLatin1Char('X')));
    EXPECT_FALSE(xml.contains(QLatin1Char('*')));

    ChartSpace fresh(ComponentVersion::V11);
    fresh.setXMLData(xml);
    EXPECT_EQ(fresh.Charts().Item(0).Title().Caption(), nasty);
    EXPECT_EQ(fresh.ChartSpaceTitle().Caption(), nasty + QStringLiteral(" space"));
}

TEST(ChartXml, EveryCharacterOfACaptionOrFormatReadsBack)
{
    ChartSpace space(ComponentVersion::V11);
    const QString caption = QStringLiteral("a") + QChar(0x01) + QChar(0x0B) + QChar(0xD800) + QStringLiteral("b\r\n")
        + QChar(0xFFFE) + QStringLiteral("\\u0041\\");
    ChChart& chart = space.Charts().Add();
    chart.Title().setCaption(caption);
    chart.Axes(chAxisPositionLeft).setNumberFormat(QStringLiteral("0") + QChar(0x1F) + QStringLiteral("\\%"));
    space.ChartSpaceTitle().setCaption(QString(QChar(0xDC00)));
    const QString xml = space.XMLData();
    ChartSpace fresh(ComponentVersion::V11);
    fresh.setXMLData(xml);
    EXPECT_EQ(fresh.Charts().Item(0).Title().Caption(), caption);
    EXPECT_EQ(fresh.Charts().Item(0).Axes(chAxisPositionLeft).NumberFormat(),
              QStringLiteral("0") + QChar(0x1F) + QStringLiteral("\\%"));
    EXPECT_EQ(fresh.ChartSpaceTitle().Caption(), QString(QChar(0xDC00)));
    EXPECT_EQ(fresh.XMLData(), xml);
}

// Reports saved before captions were encoded hold their texts as they stand, "\" included.
TEST(ChartXml, TextsOfTheFirstFormatReadAsTheyStand)
{
    ChartSpace space(ComponentVersion::V11);
    space.setXMLData(
        QStringLiteral("<?xml version=\"1.0\"?><chartspace format=\"1\"><title visible=\"1\" caption=\"C:\\u0041\\x\"/>"
                       "<chart type=\"0\" legend=\"1\"><title visible=\"1\" caption=\"a\\b\"/></chart></chartspace>"));
    EXPECT_EQ(space.ChartSpaceTitle().Caption(), QStringLiteral("C:\\u0041\\x"));
    EXPECT_EQ(space.Charts().Item(0).Title().Caption(), QStringLiteral("a\\b"));
}

TEST(ChartXml, UnusableTextIsRefusedAndChangesNothing)
{
    ChartSpace space(ComponentVersion::V11);
    auto source = salesByRegion();
    space.setDataSource(source.get());
    dressUp(space, chChartTypePie, QStringLiteral("kept"));
    const QString before = space.XMLData();
    QString otherType = before;
    otherType.replace(QLatin1String("type=\"18\""), QLatin1String("type=\"22\""));
    QString future = before;
    future.replace(QLatin1String("format=\"2\""), QLatin1String("format=\"3\""));
    const QStringList bad{
        QString(),
        QStringLiteral("not xml"),
        QStringLiteral("<pivot format=\"1\"/>"),
        future,
        otherType,
        before.left(before.size() / 2),
        before + QStringLiteral("<chartspace/>"),
        QString(before).replace(QLatin1String("orientation=\"maxmin\""), QLatin1String("orientation=\"sideways\"")),
        QString(before).replace(QLatin1String("legend=\"0\""), QLatin1String("legend=\"maybe\"")),
        QString(before).replace(QLatin1String("caption=\"kept\""), QLatin1String("caption=\"\\x\"")),
    };
    for (const QString& text : bad) {
        EXPECT_EQ(errorOf([&] { space.setXMLData(text); }), platform::err::NoInterface) << qPrintable(text);
        EXPECT_EQ(space.XMLData(), before);
    }
}

TEST(ChartXml, AnEmptyChartSpaceRestoresEmpty)
{
    ChartSpace filled(ComponentVersion::V11);
    filled.Charts().Add();
    ChartSpace empty(ComponentVersion::V11);
    filled.setXMLData(empty.XMLData());
    EXPECT_EQ(filled.Charts().Count(), 0);
    EXPECT_EQ(filled.XMLData(), empty.XMLData());
}
