#include "pivot/HeaderLayout.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace pivot;

namespace {

olap::TupleMember tm(QStringList keys, bool total = false)
{
    const QString caption = keys.isEmpty() ? QStringLiteral("All") : keys.last();
    return olap::TupleMember{olap::Member{olap::MemberPath{keys}, caption}, total};
}
QStringList k(std::initializer_list<const char*> keys)
{
    QStringList out;
    for (const char* key : keys)
        out << QString::fromLatin1(key);
    return out;
}

// Time (Year, expanded 2024 to quarters) by Product (Category).
TEST(HeaderLayout, NestsFieldsAndLevelsWithSpanningTotals)
{
    olap::Axis axis;
    axis.fields = {{QStringLiteral("Time"), 0, {olap::MemberPath{k({"2024"})}}, {}},
                   {QStringLiteral("Product"), 0, {}, {}}};
    const QVector<olap::Tuple> tuples = {
        {{tm(k({"2023"})), tm(k({"Dairy"}))}},
        {{tm(k({"2023"})), tm(k({"Fruit"}))}},
        {{tm(k({"2023"})), tm({}, true)}},   // 2023 Total
        {{tm(k({"2024", "Q1"})), tm(k({"Fruit"}))}},
        {{tm(k({"2024", "Q1"})), tm({}, true)}},   // Q1 Total
        {{tm(k({"2024"}), true), tm({}, true)}},   // 2024 Total
        {{tm({}, true), tm({}, true)}},            // Grand Total
    };
    const HeaderLayout h(
        tuples, axis, [](const QString&) { return 2; }, true);
    ASSERT_EQ(h.slotCount(), 3);   // Year, Quarter, Category
    EXPECT_EQ(h.slotField(1), 0);
    EXPECT_EQ(h.slotDepth(1), 1);
    EXPECT_EQ(h.slotField(2), 1);

    // 2023 is not expanded: it spans both Time slots and merges over its three rows.
    EXPECT_EQ(h.cell(0, 0).text, QStringLiteral("2023"));
    EXPECT_EQ(h.cell(0, 0).span, 2);
    EXPECT_EQ(h.cell(0, 1).span, 0);
    EXPECT_TRUE(h.cell(0, 0).expandable);
    EXPECT_FALSE(h.cell(0, 0).expanded);
    EXPECT_EQ(h.cell(0, 0).runStart, 0);
    EXPECT_EQ(h.cell(0, 0).runEnd, 1);
    EXPECT_EQ(h.cell(2, 0).text, QStringLiteral("2023 Total"));
    EXPECT_EQ(h.cell(2, 0).span, 3);
    EXPECT_TRUE(h.cell(2, 0).total);

    // 2024 is shown as the parent of Q1 and stays merged down to Q1's total.
    EXPECT_EQ(h.cell(3, 0).text, QStringLiteral("2024"));
    EXPECT_TRUE(h.cell(3, 0).expanded);
    EXPECT_EQ(h.cell(3, 0).runEnd, 4);
    EXPECT_EQ(h.cell(4, 1).text, QStringLiteral("Q1 Total"));
    EXPECT_EQ(h.cell(4, 1).span, 2);
    EXPECT_FALSE(h.cell(3, 1).expandable);   // quarters are the last level
    EXPECT_EQ(h.cell(5, 0).text, QStringLiteral("2024 Total"));
    EXPECT_EQ(h.cell(5, 0).runStart, 5);
    EXPECT_EQ(h.cell(6, 0).text, QStringLiteral("Grand Total"));
    EXPECT_EQ(h.cell(6, 0).span, 3);
    EXPECT_EQ(h.memberAt(tuples[3], 0).keys, k({"2024"}));
    EXPECT_EQ(h.memberAt(tuples[3], 1).keys, k({"2024", "Q1"}));
}

TEST(HeaderLayout, AnAxisWithoutFieldsHasOnePlaceholderSlotOrNone)
{
    const QVector<olap::Tuple> one = {olap::Tuple{}};
    const HeaderLayout rows(one, olap::Axis{}, {}, true);
    ASSERT_EQ(rows.slotCount(), 1);
    EXPECT_EQ(rows.cell(0, 0).text, QStringLiteral("Grand Total"));
    EXPECT_EQ(HeaderLayout(one, olap::Axis{}, {}, false).slotCount(), 0);
}

}
