#include "pivot/PivotXml.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace pivot;

namespace {

olap::MemberPath path(std::initializer_list<QString> keys)
{
    return olap::MemberPath{QStringList(keys)};
}

PivotState fullState()
{
    PivotState state;
    state.connectionString = QStringLiteral("Provider=MSOLAP.4;Data Source=/data/XXX cubes/Sales.cub");
    state.dataMember = QStringLiteral("Sales XL");
    state.title = QStringLiteral("Q*** XYZ report <&> \"quoted\"\nsecond line");
    state.displayFieldList = false;
    state.displayPropertyToolbox = true;
    PivotLayout& l = state.layout;
    l.rows.fields = {{QStringLiteral("Geography"), 0, {path({QStringLiteral("East")})}, {}},
                     {QStringLiteral("Product"), 1, {}, {path({QStringLiteral("Fruit")})}}};
    l.rows.showEmpty = true;
    l.rows.sortByLabel = olap::SortOrder::Descending;
    l.columns.fields = {{QStringLiteral("Time"), 0, {}, {}}};
    l.columns.subtotals = false;
    l.columns.grandTotal = false;
    l.columns.sortByMeasure = 1;
    l.columns.sortByValue = olap::SortOrder::Ascending;
    l.filterFields = {{QStringLiteral("Xtra"), 0}};
    l.filters = {{QStringLiteral("Xtra"), {path({QStringLiteral("XXX"), QStringLiteral("a*b")})}}};
    l.dataFields = {{QStringLiteral("Sales"), QStringLiteral("Revenue XYZ"), QStringLiteral("$#,##0.00")},
                    {QStringLiteral("Units"), {}, {}}};
    return state;
}

TEST(PivotXml, RoundTripsEveryPartOfTheState)
{
    const PivotState state = fullState();
    const QString xml = writePivotXml(state);
    const auto back = readPivotXml(xml);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, state);
    EXPECT_EQ(writePivotXml(*back), xml);
}

TEST(PivotXml, HidesTheReportFileSeparatorsOutsideTheConnectionString)
{
    const QString xml = writePivotXml(fullState());
    const int start = int(xml.indexOf(QLatin1String("<connection>")));
    const int end = int(xml.indexOf(QLatin1String("</connection>")));
    ASSERT_GE(start, 0);
    const QString outside = xml.left(start) + xml.mid(end);
    for (const char* separator : {"***", "XYZ", "XXX", "*", "X"})
        EXPECT_FALSE(outside.contains(QLatin1String(separator))) << separator;
    // The connection string stands first and verbatim, so the report file can renew the
    // provider and put the data folder back.
    EXPECT_EQ(xml.toUpper().indexOf(QLatin1String("PROVIDER=MSOLAP")), xml.indexOf(QLatin1String("Provider=MSOLAP")));
    EXPECT_TRUE(xml.contains(QLatin1String("Provider=MSOLAP.4;Data Source=/data/XXX cubes/Sales.cub")));
}

TEST(PivotXml, NeverStoresAPassword)
{
    PivotState state;
    state.connectionString =
        QStringLiteral("Provider=MSOLAP.3;User ID=ann;Password=\"se;cret\";Data Source=srv;pwd=x2;Initial Catalog=Db");
    const QString xml = writePivotXml(state);
    EXPECT_FALSE(xml.contains(QLatin1String("cret")));
    EXPECT_FALSE(xml.contains(QLatin1String("x2")));
    EXPECT_EQ(readPivotXml(xml)->connectionString,
              QStringLiteral("Provider=MSOLAP.3;User ID=ann;Data Source=srv;Initial Catalog=Db"));
    EXPECT_EQ(withoutPassword(QStringLiteral("a=1;SspropInitAppName=\"x;y\";PassWord=z;")),
              QStringLiteral("a=1;SspropInitAppName=\"x;y\";"));
    // A quote inside an unquoted value (a folder named O'Brien) does not open a quoted value.
    EXPECT_EQ(withoutPassword(QStringLiteral("Data Source=/home/O'Brien/Sales.cub;Password=secret;User ID=ann")),
              QStringLiteral("Data Source=/home/O'Brien/Sales.cub;User ID=ann"));
    EXPECT_EQ(withoutPassword(QStringLiteral("Password=\"a\"\";b\";User ID=ann")), QStringLiteral("User ID=ann"));
}

TEST(PivotXml, KeepsAConnectionStringThatLooksLikeMarkup)
{
    PivotState state;
    state.connectionString = QStringLiteral("Data Source=/a]]>b/<c>&d.cub");
    EXPECT_EQ(readPivotXml(writePivotXml(state))->connectionString, state.connectionString);
}

TEST(PivotXml, RefusesTextItCannotUse)
{
    const QString good = writePivotXml(fullState());
    QString newer = good;
    newer.replace(QLatin1String("version=\"2\""), QLatin1String("version=\"3\""));
    QString badLevel = good;
    badLevel.replace(QLatin1String("level=\"1\""), QLatin1String("level=\"-1\""));
    QString badFlag = good;
    badFlag.replace(QLatin1String("showempty=\"1\""), QLatin1String("showempty=\"maybe\""));
    for (const QString& text : {QString(), QStringLiteral("not xml"), QStringLiteral("<other version=\"1\"/>"),
                                good.left(good.size() / 2), newer, badLevel, badFlag})
        EXPECT_FALSE(readPivotXml(text).has_value()) << qPrintable(text.left(60));
}

}

TEST(PivotXml, EveryTextReadsBackEvenWhereXmlCannotCarryIt)
{
    const QString awkward = QStringLiteral("a\u000Bb\u0000c\uFFFEd\uFFFF") + QChar(0xD800) + QStringLiteral("e\\u0041")
        + QChar(0xDC00) + QStringLiteral("\U0001F600\\");
    PivotState state = fullState();
    state.title = awkward;
    state.dataMember = awkward;
    state.connectionString = QStringLiteral("Provider=MSOLAP.4;data source=/data/") + awkward + QStringLiteral(".cub");
    state.layout.rows.fields[0].hierarchy = awkward;
    state.layout.rows.fields[0].expanded = {olap::MemberPath{{awkward, QStringLiteral("\t\r\n")}}};
    const QString xml = writePivotXml(state);
    EXPECT_FALSE(xml.contains(QLatin1Char('X'))) << "the report file swaps X";
    const auto read = readPivotXml(xml);
    ASSERT_TRUE(read.has_value()) << xml.toStdString();
    EXPECT_EQ(*read, state);
}

TEST(PivotXml, VersionOneTextsReadAsTheyStand)
{
    const QString v1 =
        QStringLiteral("<?xml version=\"1.0\"?>\n<pivottable version=\"1\">\n"
                       "<connection><![CDATA[Provider=MSOLAP.4;data source=C:\\cubes\\Sales.cub]]></connection>\n"
                       "<datamember>Sales</datamember><title>a\\u0041\\\\b</title>\n</pivottable>\n");
    const auto read = readPivotXml(v1);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->title, QStringLiteral("a\\u0041\\\\b"));
    EXPECT_EQ(read->connectionString, QStringLiteral("Provider=MSOLAP.4;data source=C:\\cubes\\Sales.cub"));
    QString broken = writePivotXml(fullState());
    broken.replace(QLatin1String("<title>"), QLatin1String("<title>\\q"));
    EXPECT_FALSE(readPivotXml(broken).has_value());
}

TEST(PivotXml, ACarriageReturnInTheConnectionStringSurvives)
{
    PivotState state = fullState();
    state.connectionString = QStringLiteral("Provider=MSOLAP.4;data source=/data/a\rb\r\nc.cub");
    EXPECT_EQ(readPivotXml(writePivotXml(state))->connectionString, state.connectionString);
}
