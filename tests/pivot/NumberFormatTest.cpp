#include "pivot/NumberFormat.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using pivot::formatNumber;

namespace {

struct Case
{
    double value;
    const char* format;
    const char* expected;
};

TEST(NumberFormat, FormatsTheCubesFormatsAndPatterns)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const Case cases[] = {
        {1234.5, "Currency", "$1,234.50"},
        {-1234.5, "Currency", "($1,234.50)"},
        {0.256, "Percent", "25.60%"},
        {1234567.891, "#,##0", "1,234,568"},
        {1234567.891, "#,##0.00", "1,234,567.89"},
        {0.5, "0.0%", "50.0%"},
        {-42, "#,##0;(#,##0)", "(42)"},
        {0, "#,##0;(#,##0);\"-\"", "-"},
        {-0.001, "0.00", "0.00"},          // rounds to zero: no sign
        {1500000, "#,##0,", "1,500"},      // a trailing comma scales by a thousand
        {12.3, "$#,##0.00", "$12.30"},
        {12.3, "0.###", "12.3"},
        {0.25, "#.00", ".25"},
        {7, "000", "007"},
        {12345, "0.00E+00", "1.23E+04"},
        {1234.5, "Standard", "1,234.50"},
        {1234.5, "Fixed", "1234.50"},
        {1234.5, "", "1234.5"},
        {1234.5, "General Number", "1234.5"},
        {3, "0 \"units\"", "3 units"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.format), us), QString::fromUtf8(c.expected))
            << c.value << " as " << c.format;
}

TEST(NumberFormat, UsesTheLocalesSeparators)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(formatNumber(1234567.5, QStringLiteral("#,##0.00"), german), QStringLiteral("1.234.567,50"));
}

}
