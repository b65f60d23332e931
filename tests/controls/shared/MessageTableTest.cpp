#include "controls/shared/MessageTable.h"

#include <gtest/gtest.h>

#include <vector>

using controls::ALL_MESSAGES;
using controls::MessageTable;

namespace {

struct Step
{
    char op;   // '+' add, '-' remove
    int message;
};

struct Case
{
    const char* name;
    std::vector<Step> steps;
    int count;
    std::vector<int> offered;
    std::vector<int> notOffered;
};

void apply(MessageTable& table, const std::vector<Step>& steps)
{
    for (const Step& s : steps) {
        if (s.op == '+')
            table.add(s.message);
        else
            table.remove(s.message);
    }
}

}

TEST(MessageTable, FollowsTheTableRules)
{
    const std::vector<Case> cases = {
        {"new table offers nothing", {}, 0, {}, {7, 0x100}},
        {"adds in order", {{'+', 7}, {'+', 5}}, 2, {7, 5}, {8}},
        {"a duplicate keeps one entry", {{'+', 7}, {'+', 7}}, 1, {7}, {}},
        {"a removal leaves a hole and keeps the count", {{'+', 7}, {'+', 5}, {'-', 7}}, 2, {5}, {7}},
        {"the next add fills the hole", {{'+', 7}, {'+', 5}, {'-', 7}, {'+', 9}}, 2, {5, 9}, {7}},
        {"all messages offers every id", {{'+', ALL_MESSAGES}}, -1, {1, 7, 0x4E, 0xFFFF}, {}},
        {"one add narrows an all-messages table", {{'+', ALL_MESSAGES}, {'+', 7}}, 1, {7}, {5}},
        {"removing all empties a table", {{'+', 7}, {'+', 5}, {'-', ALL_MESSAGES}}, 0, {}, {7, 5}},
        {"a removal from an all-messages table changes nothing", {{'+', ALL_MESSAGES}, {'-', 7}}, -1, {7}, {}},
        {"removing an absent message changes nothing", {{'+', 7}, {'-', 5}}, 1, {7}, {5}},
    };
    for (const Case& c : cases) {
        MessageTable table;
        apply(table, c.steps);
        EXPECT_EQ(table.count(), c.count) << c.name;
        for (int m : c.offered)
            EXPECT_TRUE(table.offers(m)) << c.name << ": " << m;
        for (int m : c.notOffered)
            EXPECT_FALSE(table.offers(m)) << c.name << ": " << m;
    }
}

TEST(MessageTable, TakesThirtyTwoMessagesAndNoMore)
{
    MessageTable table;
    for (int m = 1; m <= MessageTable::kEntries; ++m)
        EXPECT_EQ(table.add(m), MessageTable::AddResult::Added);
    EXPECT_EQ(table.add(33), MessageTable::AddResult::Full);
    EXPECT_FALSE(table.offers(33));
    EXPECT_TRUE(table.offers(32));
    // A full table with a hole still takes nothing: its count is at the limit.
    table.remove(5);
    EXPECT_EQ(table.add(33), MessageTable::AddResult::Full);
}

TEST(MessageTable, NeverOffersTheHoleMarker)
{
    MessageTable table;
    table.add(7);
    table.remove(7);
    EXPECT_FALSE(table.offers(0));
}
