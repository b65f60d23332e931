#include "pivot/PivotController.h"
#include "SalesCube.h"
#include "platform/VbError.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace pivot;

namespace {

FieldRef hierarchyField(const char* name)
{
    return FieldRef{FieldRef::Kind::Hierarchy, QString::fromLatin1(name), 0};
}

FieldRef measureField(const char* name)
{
    return FieldRef{FieldRef::Kind::Measure, QString::fromLatin1(name), 0};
}

// The controller works without a widget in sight: what it tells is all a view needs.
class PivotControllerTest : public ::testing::Test
{
protected:
    PivotControllerTest()
    {
        auto owned = std::make_unique<test::SalesCube>();
        cube = owned.get();
        controller.setCubeSource(std::move(owned), QStringLiteral("Sales"));
    }

    PivotController controller;
    test::SalesCube* cube = nullptr;
};

TEST_F(PivotControllerTest, EachLayoutChangeQueriesOnceAndTellsItsResult)
{
    QSignalSpy results(&controller, &PivotController::resultReady);
    const int queries = cube->queryCount;
    controller.placeField(hierarchyField("Geography"), Area::Row);
    controller.placeField(measureField("Sales"), Area::Data);
    EXPECT_EQ(results.count(), 2);
    EXPECT_EQ(cube->queryCount, queries + 2);
    const std::shared_ptr<const PivotResult> shown = controller.result();
    EXPECT_GT(shown->cells->rows.size(), 1);
    EXPECT_EQ(shown->rows.positionCount(), shown->cells->rows.size());

    // Nothing changes: no query, and the result a view holds stays the one in use.
    controller.removeField(hierarchyField("Time"));
    controller.setAxisTotals(Area::Row, true, true);
    EXPECT_EQ(results.count(), 2);
    EXPECT_EQ(controller.result(), shown);
}

TEST_F(PivotControllerTest, MembersExpandFromTheHeadersOfItsOwnResult)
{
    controller.placeField(hierarchyField("Geography"), Area::Row);
    controller.placeField(measureField("Sales"), Area::Data);
    const int before = controller.result()->cells->rows.size();
    ASSERT_TRUE(controller.result()->rows.cell(0, 0).expandable);
    controller.toggleMember(Area::Row, 0, 0);
    EXPECT_GT(controller.result()->cells->rows.size(), before);
    EXPECT_EQ(controller.slotCaptions(Area::Row), (QStringList{QStringLiteral("Region"), QStringLiteral("City")}));
}

TEST_F(PivotControllerTest, CaptionsAndPanelsChangeWithoutAQuery)
{
    controller.placeField(measureField("Sales"), Area::Data);
    QSignalSpy results(&controller, &PivotController::resultReady);
    QSignalSpy fields(&controller, &PivotController::dataFieldsChanged);
    QSignalSpy panels(&controller, &PivotController::stateChanged);
    const int queries = cube->queryCount;

    controller.editDataField(0, QStringLiteral("Revenue"), QStringLiteral("#,##0"));
    EXPECT_EQ(fields.count(), 1);
    EXPECT_EQ(controller.measureCaptions(), QStringList{QStringLiteral("Revenue")});
    controller.setTitleCaption(QStringLiteral("Revenue by region"));
    controller.setDisplayFieldList(false);
    EXPECT_EQ(panels.count(), 2);
    EXPECT_EQ(controller.titleBarText(), QStringLiteral("Revenue by region"));
    EXPECT_EQ(results.count(), 0);
    EXPECT_EQ(cube->queryCount, queries);
}

TEST_F(PivotControllerTest, ANewBindingStartsAfreshAndSaysSoBeforeItsResult)
{
    controller.placeField(hierarchyField("Geography"), Area::Row);
    controller.setTitleCaption(QStringLiteral("Old report"));
    QStringList told;
    QObject::connect(&controller, &PivotController::sourceChanged, [&] { told << QStringLiteral("source"); });
    QObject::connect(&controller, &PivotController::resultReady, [&] { told << QStringLiteral("result"); });
    controller.setCubeSource(std::make_unique<test::SalesCube>(), QStringLiteral("Sales"));
    EXPECT_EQ(told, (QStringList{QStringLiteral("source"), QStringLiteral("result")}));
    EXPECT_TRUE(controller.state().layout.rows.fields.isEmpty());
    EXPECT_EQ(controller.titleBarText(), QStringLiteral("Sales Cube"));
}

// Subtotals and the grand total switch apart, on either axis: changing one of them queries
// once with that one changed and the other kept; the same values again query nothing.
TEST_F(PivotControllerTest, SubtotalsAndTheGrandTotalSwitchApartOnEitherAxis)
{
    controller.placeField(hierarchyField("Geography"), Area::Row);
    controller.placeField(hierarchyField("Time"), Area::Column);
    controller.placeField(measureField("Sales"), Area::Data);
    for (Area area : {Area::Row, Area::Column}) {
        const Area other = area == Area::Row ? Area::Column : Area::Row;
        const auto sent = [&](Area a) { return a == Area::Row ? cube->lastQuery.rows : cube->lastQuery.columns; };
        const std::pair<bool, bool> steps[] = {{false, true}, {false, false}, {true, false}, {true, true}};
        for (const auto& [subtotals, grandTotal] : steps) {
            const int queries = cube->queryCount;
            controller.setAxisTotals(area, subtotals, grandTotal);
            EXPECT_EQ(cube->queryCount, queries + 1) << subtotals << grandTotal;
            EXPECT_EQ(sent(area).subtotals, subtotals);
            EXPECT_EQ(sent(area).grandTotal, grandTotal);
            EXPECT_TRUE(sent(other).subtotals && sent(other).grandTotal);
            controller.setAxisTotals(area, subtotals, grandTotal);
            EXPECT_EQ(cube->queryCount, queries + 1);
        }
    }
}

// A saved layout must fit its cube: a field one level deeper than its hierarchy goes is
// refused, in every area, and leaves the layout as it was; the deepest level is taken.
TEST_F(PivotControllerTest, ASavedFieldDeeperThanItsHierarchyIsRefusedInEveryArea)
{
    controller.placeField(measureField("Sales"), Area::Data);
    const QString before = controller.xmlData();
    const auto saved = [&](Area area, int level) {
        PivotState state = controller.state();
        const olap::AxisField field{QStringLiteral("Geography"), level, {}, {}};
        if (area == Area::Filter)
            state.layout.filterFields = {FilterField{QStringLiteral("Geography"), level}};
        else
            state.layout.axis(area).fields = {field};
        return writePivotXml(state);
    };
    for (Area area : {Area::Row, Area::Column, Area::Filter}) {
        try {
            controller.setXmlData(saved(area, 2));   // Geography has Region and City
            ADD_FAILURE() << "a layout below City was taken, area " << int(area);
        } catch (const platform::VbError& e) {
            EXPECT_EQ(e.number(), platform::err::NoInterface);
        }
        EXPECT_EQ(controller.xmlData(), before);

        controller.setXmlData(saved(area, 1));
        EXPECT_EQ(controller.xmlData(), saved(area, 1));
        controller.setXmlData(before);
    }
}

}
