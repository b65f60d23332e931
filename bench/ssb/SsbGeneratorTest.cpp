// Checks the generator's rules on a small scale factor; run by hand from the bench build
// (build/bench/bench/ssb/ssb_generator_test), like the benchmark itself.
#include "SsbGenerator.h"
#include "SsbSchema.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace ssb {
namespace {

int64_t number(const Row& row, size_t column)
{
    return std::get<int64_t>(row[column]);
}

const std::string& text(const Row& row, size_t column)
{
    return std::get<std::string>(row[column]);
}

std::vector<Row> rowsOf(const SsbGenerator& g, void (SsbGenerator::*rows)(const RowSink&) const)
{
    std::vector<Row> all;
    (g.*rows)([&](const Row& row) { all.push_back(row); });
    return all;
}

TEST(SsbGenerator, TableSizesFollowTheScaleFactor)
{
    const TableSizes one(1);
    EXPECT_EQ(one.customers, 30000);
    EXPECT_EQ(one.suppliers, 2000);
    EXPECT_EQ(one.parts, 200000);
    EXPECT_EQ(one.orders, 1500000);
    EXPECT_EQ(TableSizes(4).parts, 600000);   // 200,000 x floor(1 + log2 4)
    EXPECT_EQ(TableSizes(0.01).parts, 2000);
}

TEST(SsbGenerator, RowsMatchTheirTableDefinitions)
{
    const SsbGenerator g(0.002);
    for (const Table& table : tables()) {
        for (const Row& row : rowsOf(g, table.rows)) {
            ASSERT_EQ(row.size(), table.columns.size()) << table.name;
            for (size_t c = 0; c < row.size(); ++c) {
                EXPECT_EQ(std::holds_alternative<int64_t>(row[c]), table.columns[c].type == ColumnType::Integer)
                    << table.name << '.' << table.columns[c].name;
                if (const auto* s = std::get_if<std::string>(&row[c]))
                    EXPECT_EQ(s->find('|'), std::string::npos) << "the .tbl files are split on |";
            }
        }
    }
}

TEST(SsbGenerator, DatesCoverSevenYearsWithTheirCalendarColumns)
{
    const auto dates = rowsOf(SsbGenerator(1), &SsbGenerator::dates);
    ASSERT_EQ(dates.size(), 2557u);   // 1992 to 1998, two leap years
    EXPECT_EQ(number(dates.front(), 0), 19920101);
    EXPECT_EQ(number(dates.back(), 0), 19981231);
    const Row& day = dates[size_t(31 + 28 + 1)];   // 1992 is a leap year: March 1 is day 61
    EXPECT_EQ(number(day, 0), 19920301);
    EXPECT_EQ(text(day, 1), "March 1, 1992");
    EXPECT_EQ(text(day, 2), "Sunday");
    EXPECT_EQ(number(day, 5), 199203);
    EXPECT_EQ(text(day, 6), "Mar1992");
    EXPECT_EQ(number(day, 9), 61);
    EXPECT_EQ(number(day, 11), 9);                      // week of the year
    EXPECT_EQ(number(dates[size_t(31 + 28)], 14), 1);   // February 29 ends the month
}

TEST(SsbGenerator, CitiesAreTheNationsFirstNineLettersAndADigit)
{
    std::set<std::string> ukCities;
    for (const Row& c : rowsOf(SsbGenerator(0.1), &SsbGenerator::customers)) {
        ASSERT_EQ(text(c, 3).size(), 10u);
        EXPECT_EQ(text(c, 3).substr(0, 9), (text(c, 4) + "         ").substr(0, 9));
        if (text(c, 4) == "UNITED KINGDOM") {
            EXPECT_EQ(text(c, 5), "EUROPE");
            ukCities.insert(text(c, 3));
        }
    }
    EXPECT_EQ(ukCities.size(), 10u);
    EXPECT_TRUE(ukCities.count("UNITED KI1"));
}

TEST(SsbGenerator, PartBrandsNestInTheirCategoryAndManufacturer)
{
    for (const Row& p : rowsOf(SsbGenerator(0.01), &SsbGenerator::parts)) {
        EXPECT_EQ(text(p, 3).substr(0, 6), text(p, 2));
        EXPECT_EQ(text(p, 4).substr(0, 7), text(p, 3));
        const int brand = std::stoi(text(p, 4).substr(7));
        EXPECT_TRUE(brand >= 1 && brand <= 40);
    }
}

TEST(SsbGenerator, LineOrdersFollowThePricingAndKeyRules)
{
    const SsbGenerator g(0.01);
    const auto lines = rowsOf(g, &SsbGenerator::lineorders);
    std::map<int64_t, int64_t> linesPerOrder;
    for (const Row& l : lines) {
        const int64_t price = SsbGenerator::retailPrice(number(l, 3));
        EXPECT_NE(number(l, 2) % 3, 0) << "customers whose key is a multiple of 3 never order";
        EXPECT_LT((number(l, 0) - 1) % 32, 8) << "sparse order keys";
        EXPECT_EQ(number(l, 9), number(l, 8) * price);
        EXPECT_EQ(number(l, 12), number(l, 9) * (100 - number(l, 11)) / 100);
        EXPECT_EQ(number(l, 13), 6 * price / 10);
        EXPECT_GT(number(l, 15), number(l, 5));
        EXPECT_LE(number(l, 15), 19981231);
        linesPerOrder[number(l, 0)] = std::max(linesPerOrder[number(l, 0)], number(l, 1));
    }
    EXPECT_EQ(linesPerOrder.size(), size_t(g.sizes().orders));
    for (const auto& [order, count] : linesPerOrder)
        EXPECT_TRUE(count >= 1 && count <= 7);
    EXPECT_EQ(SsbGenerator::retailPrice(155190), 124519);
    EXPECT_EQ(rowsOf(SsbGenerator(0.01), &SsbGenerator::lineorders), lines) << "the same rows every time";
}

}
}
