#include "PivotTestSupport.h"

#include "pivot/PivotPicture.h"
#include "platform/VbError.h"
#include "support/RaisedError.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pivot;
using namespace pivot::test;

namespace {

class PivotTableTest : public ::testing::Test
{
protected:
    LocaleGuard locale;
    FakeOpener opener;
};

TEST_F(PivotTableTest, XmlDataRestoresTheSameStateAndGridInAFreshTable)
{
    PivotTable first(Version::V11);
    bind(first);
    standardLayout(first);
    first.ActiveView().TitleBar().setCaption(QStringLiteral("Sales by region"));
    first.toggleMember(Area::Row, 0, 0);   // expand East
    first.setMemberFilter(QStringLiteral("Time"), {olap::MemberPath{{QStringLiteral("2024")}}});
    first.sortByLabel(Area::Row, olap::SortOrder::Descending);
    first.editDataField(1, QStringLiteral("Units (pieces)"), QStringLiteral("#,##0.0"));
    first.setDisplayPropertyToolbox(true);
    const QString xml = first.XMLData();

    PivotTable second(Version::V11);
    second.setXMLData(xml);
    EXPECT_EQ(second.XMLData(), xml);
    EXPECT_EQ(gridText(second), gridText(first));
    EXPECT_EQ(second.ConnectionString(), first.ConnectionString());
    EXPECT_EQ(second.DataMember(), QStringLiteral("Sales"));
    EXPECT_EQ(second.ActiveView().TitleBar().Caption(), QStringLiteral("Sales by region"));
    EXPECT_TRUE(second.DisplayPropertyToolbox());
    EXPECT_TRUE(gridText(second).contains(QLatin1String("Boston")));
}

TEST_F(PivotTableTest, ANewlyBoundCubeShowsItsOwnCaptionNotTheLastReportsName)
{
    PivotTable table(Version::V11);
    bind(table);
    const QString cubeCaption = table.titleBar()->text();
    ASSERT_FALSE(cubeCaption.isEmpty());
    table.ActiveView().TitleBar().setCaption(QStringLiteral("Sales by region"));
    ASSERT_EQ(table.titleBar()->text(), QStringLiteral("Sales by region"));

    bind(table);   // the cube node opened again
    EXPECT_EQ(table.titleBar()->text(), cubeCaption);
    EXPECT_TRUE(table.ActiveView().TitleBar().Caption().isEmpty());

    // Bound to another source, with fields in place: the title of the view before goes too.
    standardLayout(table);
    table.ActiveView().TitleBar().setCaption(QStringLiteral("Revenue by region"));
    table.setConnectionString(QStringLiteral("Provider=MSOLAP.4;Data Source=srv"));
    table.setDataMember(QStringLiteral("Sales"));
    EXPECT_TRUE(table.ActiveView().TitleBar().Caption().isEmpty());
}

TEST_F(PivotTableTest, XmlDataItCannotUseIsRefusedAndChangesNothing)
{
    PivotTable table(Version::V10);
    bind(table);
    standardLayout(table);
    const QString before = table.XMLData();
    const QString grid = gridText(table);
    EXPECT_EQ(errorOf([&] { table.setXMLData(QStringLiteral("<html>report from elsewhere</html>")); }),
              platform::err::NoInterface);
    // Well-formed, but names a field the cube does not have.
    QString foreign = before;
    foreign.replace(QLatin1String("hierarchy=\"Time\""), QLatin1String("hierarchy=\"Weather\""));
    EXPECT_EQ(errorOf([&] { table.setXMLData(foreign); }), platform::err::NoInterface);
    EXPECT_EQ(table.XMLData(), before);
    EXPECT_EQ(gridText(table), grid);
}

TEST_F(PivotTableTest, XmlDataFollowsARenewedProviderAndReportsACubeThatCannotOpen)
{
    PivotTable table;
    bind(table);
    standardLayout(table);
    QString xml = table.XMLData();
    xml.replace(QLatin1String("Provider=MSOLAP;"), QLatin1String("Provider=MSOLAP.3;"));
    PivotTable other;
    other.setXMLData(xml);
    EXPECT_EQ(opener.lastConnection, QStringLiteral("Provider=MSOLAP.3;data source=/data/Sales.cub"));

    xml.replace(QLatin1String("/data/"), QLatin1String("/broken/"));
    PivotTable third;
    EXPECT_EQ(errorOf([&] { third.setXMLData(xml); }), platform::err::Unspecified);
    EXPECT_EQ(third.XMLData(), xml);   // the layout is kept for when the cube comes back
}

TEST_F(PivotTableTest, BindingByConnectionStringAndDataMember)
{
    PivotTable table;
    EXPECT_EQ(errorOf([&] { table.DataMemberStrings(); }), platform::err::Unspecified);
    table.setConnectionString(QStringLiteral("Provider=MSOLAP.4;Data Source=broken"));
    EXPECT_EQ(errorOf([&] { table.DataMemberStrings(); }), platform::err::Unspecified);
    table.setConnectionString(QStringLiteral("Provider=MSOLAP.4;Data Source=srv"));
    EXPECT_EQ(table.DataMemberStrings(), QStringList{QStringLiteral("Sales")});
    table.setDataMember(QStringLiteral("Sales"));
    EXPECT_EQ(table.DataMember(), QStringLiteral("Sales"));
    EXPECT_TRUE(table.layout().rows.fields.isEmpty());
}

TEST_F(PivotTableTest, TotalsListTheDataFieldsWithCaptionsAndFormats)
{
    PivotTable table;
    bind(table);
    const PivotTotals& totals = table.ActiveView().DataAxis().Totals();
    EXPECT_EQ(totals.Count(), 0);
    standardLayout(table);
    ASSERT_EQ(totals.Count(), 2);
    EXPECT_EQ(totals.Item(0).Caption(), QStringLiteral("Sales Amount"));
    EXPECT_EQ(totals.Item(0).NumberFormat(), QStringLiteral("Currency"));
    EXPECT_EQ(totals(1).Caption(), QStringLiteral("Units Sold"));
    EXPECT_EQ(totals(1).NumberFormat(), QStringLiteral("#,##0"));
    EXPECT_EQ(errorOf([&] { totals.Item(2); }), platform::err::SubscriptOutOfRange);
    table.editDataField(0, QStringLiteral("Revenue"), QStringLiteral("#,##0.00"));
    EXPECT_EQ(totals.Item(0).Caption(), QStringLiteral("Revenue"));
    EXPECT_EQ(totals.Item(0).NumberFormat(), QStringLiteral("#,##0.00"));
    EXPECT_EQ(table.measureCaptions(), (QStringList{QStringLiteral("Revenue"), QStringLiteral("Units Sold")}));
}

TEST_F(PivotTableTest, GridShowsTotalsAndTheCubesNumberFormats)
{
    PivotTable table;
    bind(table);
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(measure("Sales"), Area::Data);
    table.placeField(measure("Units"), Area::Data);
    const PivotGridModel& model = *table.gridModel();
    ASSERT_EQ(model.rowCount(), 4);   // East, North, West, Grand Total
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("$8,600.75"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("6,060"));
    EXPECT_EQ(model.data(model.index(3, 0)).toString(), QStringLiteral("$14,710.75"));
    EXPECT_EQ(model.data(model.index(3, 1)).toString(), QStringLiteral("10,594"));
    EXPECT_TRUE(model.isTotalRow(3));
    EXPECT_EQ(model.headerData(3, Qt::Vertical).toString(), QStringLiteral("Grand Total"));
}

TEST_F(PivotTableTest, PositionCaptionsForTheBoundChart)
{
    PivotTable table;
    bind(table);
    standardLayout(table);
    EXPECT_EQ(table.rowCaption(0), QStringLiteral("East / Dairy"));
    EXPECT_EQ(table.rowCaption(2), QStringLiteral("East Total"));
    EXPECT_EQ(table.columnCaption(1), QStringLiteral("FY2024"));
    EXPECT_EQ(table.columnCaption(2), QStringLiteral("Grand Total"));
    EXPECT_EQ(table.cellSet().columns.size(), 3);
    EXPECT_EQ(table.columnCaption(3), QString());
    EXPECT_EQ(table.rowFieldCaptions(), (QStringList{QStringLiteral("Geography"), QStringLiteral("Product")}));
    EXPECT_EQ(table.columnFieldCaptions(), QStringList{QStringLiteral("Time")});
}

TEST_F(PivotTableTest, EmptyMembersAreShownPerAxisOnRequest)
{
    PivotTable table;
    bind(table);
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(measure("Sales"), Area::Data);
    EXPECT_FALSE(gridText(table).contains(QLatin1String("South")));
    table.ActiveView().RowAxis()->setDisplayEmptyMembers(true);
    EXPECT_TRUE(table.ActiveView().RowAxis()->DisplayEmptyMembers());
    EXPECT_FALSE(table.ActiveView().ColumnAxis()->DisplayEmptyMembers());
    EXPECT_TRUE(gridText(table).contains(QLatin1String("South")));
}

TEST_F(PivotTableTest, VersionProfilesDifferOnlyWhereTheWindowsRelyOnIt)
{
    PivotTable v9(Version::V9), v10(Version::V10), v11(Version::V11);
    EXPECT_EQ(errorOf([&] { v9.setAllowDetails(true); }), platform::err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { v9.AllowDetails(); }), platform::err::MemberNotSupported);
    for (PivotTable* table : {&v10, &v11}) {
        EXPECT_EQ(errorOf([&] { table->setAllowDetails(true); }), 0);
        EXPECT_TRUE(table->AllowDetails());
    }
    // Only version 9 raises QueryComplete; every version says when its data changed.
    QSignalSpy complete9(&v9, &PivotTable::QueryComplete), complete11(&v11, &PivotTable::QueryComplete);
    QSignalSpy changed11(&v11, &PivotTable::dataChanged);
    for (PivotTable* table : {&v9, &v11}) {
        bind(*table);
        table->placeField(measure("Sales"), Area::Data);
    }
    EXPECT_GE(complete9.count(), 2);
    EXPECT_EQ(complete11.count(), 0);
    EXPECT_GE(changed11.count(), 2);
}

TEST_F(PivotTableTest, ExportPictureWritesAGifOfExactlyTheAskedSize)
{
    PivotTable table;
    bind(table);
    standardLayout(table);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("piv.gif"));
    EXPECT_EQ(errorOf([&] { table.ExportPicture(file, QStringLiteral("gif"), 600, 400); }),
              platform::err::ControlArrayElementMissing);   // no GIF writer installed

    QImage written;
    hooks().gifWriter = [&](const QImage& picture, const QString&) { written = picture; };
    table.resize(300, 200);   // the picture does not depend on the size on screen
    table.ExportPicture(file, QStringLiteral("GIF"), 600, 400);
    ASSERT_EQ(written.size(), QSize(600, 400));
    // The grid is drawn across the picture, not only where the small widget would show it.
    int inked = 0;
    for (int y = 200; y < 300; ++y)
        for (int x = 300; x < 600; ++x)
            inked += written.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(inked, 0);
    EXPECT_EQ(errorOf([&] { table.ExportPicture(file, QStringLiteral("png"), 600, 400); }),
              platform::err::ControlArrayElementMissing);
    EXPECT_EQ(errorOf([&] { table.ExportPicture(file, QStringLiteral("gif"), 0, 400); }),
              platform::err::InvalidArgument);
    hooks().gifWriter = [](const QImage&, const QString&) {
        platform::raiseError(platform::err::ControlArrayElementMissing, QStringLiteral("cannot write"));
    };
    EXPECT_EQ(errorOf([&] { table.ExportPicture(file, QStringLiteral("gif"), 60, 40); }),
              platform::err::ControlArrayElementMissing);
}

// The rightmost point of the picture drawn in the colour of the totals' headers: the grand
// total column's header ends the table on the right.
int rightEndOfTotalHeaders(const QImage& picture)
{
    const QRgb fill = qRgb(0xe3, 0xe9, 0xf2);
    int right = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = right + 1; x < picture.width(); ++x)
            if (picture.pixel(x, y) == fill)
                right = x;
    return right;
}

TEST_F(PivotTableTest, APictureTooSmallForTheTableShowsItWholeAndSmaller)
{
    PivotTable table;
    bind(table);
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(hierarchy("Time"), Area::Column);
    table.placeField(measure("Sales"), Area::Data);
    table.placeField(measure("Units"), Area::Data);
    QImage written;
    hooks().gifWriter = [&](const QImage& picture, const QString&) { written = picture; };
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("piv.gif"));

    table.ExportPicture(file, QStringLiteral("gif"), 1600, 400);   // room enough: drawn as it is
    const int tableWidth = rightEndOfTotalHeaders(written);
    EXPECT_GT(tableWidth, 400);
    EXPECT_LT(tableWidth, 1200);
    table.ExportPicture(file, QStringLiteral("gif"), 200, 300);
    ASSERT_EQ(written.size(), QSize(200, 300));
    EXPECT_GT(rightEndOfTotalHeaders(written), 150);   // the grand total column is still there

    EXPECT_EQ(pictureCanvas(QSize(600, 400), QSize(0, 0)), QSize(600, 400));
    EXPECT_EQ(pictureCanvas(QSize(600, 400), QSize(270, -20)), QSize(870, 580));
    EXPECT_EQ(pictureCanvas(QSize(600, 400), QSize(0, 200)), QSize(900, 600));
    EXPECT_EQ(pictureCanvas(QSize(600, 400), QSize(9000, 0)), QSize(2400, 1600));    // shrunk at most fourfold
    EXPECT_EQ(pictureCanvas(QSize(8000, 8000), QSize(500, 0)), QSize(8000, 8000));   // no larger canvas
}

TEST_F(PivotTableTest, MaxSizesLimitTheContentNotTheComponent)
{
    PivotTable table;
    table.resize(800, 600);
    table.setMaxWidth(300);
    table.setMaxHeight(200);
    EXPECT_EQ(table.MaxWidth(), 300);
    EXPECT_EQ(table.content()->size(), QSize(300, 200));
    table.resize(1000, 700);   // a host growing the pivot after shrinking it
    EXPECT_EQ(table.size(), QSize(1000, 700));
    table.setMaxWidth(1000);
    table.setMaxHeight(700);
    EXPECT_EQ(table.content()->size(), QSize(1000, 700));
    EXPECT_EQ(errorOf([&] { table.setMaxHeight(-1); }), platform::err::InvalidPropertyValue);
}

TEST_F(PivotTableTest, ACubeThatFailsAQueryShowsTheErrorInsteadOfStaleData)
{
    PivotTable table;
    bind(table);
    standardLayout(table);
    const QString xml = table.XMLData();
    // The cube refuses queries for a measure it does not have.
    table.placeField(measure("Profit"), Area::Data);
    EXPECT_FALSE(table.errorText().isEmpty());
    EXPECT_EQ(table.gridModel()->rowCount(), 0);
    table.removeField(measure("Profit"));
    EXPECT_TRUE(table.errorText().isEmpty());
    EXPECT_EQ(table.XMLData(), xml);
}

}
