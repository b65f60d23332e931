#include "olap/NumberFormat.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

using olap::formatNumber;

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
        {-0.001, "0.00", "0.00"},       // rounds to zero: no sign
        {1500000, "#,##0,", "1,500"},   // a trailing comma scales by a thousand
        {12.3, "$#,##0.00", "$12.30"},
        {12.3, "0.###", "12.3"},
        {0.25, "#.00", ".25"},
        {7, "000", "007"},
        {12345, "0.00E+00", "1.23E+04"},
        {12345, "0.00E+00 \"kg\"", "1.23E+04 kg"},   // text after the exponent is no digit of it
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

// Exponents: "E+" signs every one, "E-" only those below zero; a mantissa that rounds up to
// ten moves to the next power. Halfway values round up, not to the even digit; whole numbers
// show every digit the value holds.
TEST(NumberFormat, ExponentsHalfwayValuesAndLargeWholeNumbersAsPeopleWriteThem)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const Case cases[] = {
        {12345, "0.00E-00", "1.23E04"},
        {0.00012345, "0.00E-00", "1.23E-04"},
        {0.00012345, "0.00E+00", "1.23E-04"},
        {1, "0.0E-0", "1.0E0"},
        {9.6, "0E+00", "1E+01"},
        {9.96, "0.0E+00", "1.0E+01"},
        {0.96, "0E-00", "1E00"},
        {25.625, "0.00", "25.63"},
        {2.5, "0", "3"},
        {0.5, "0", "1"},
        {-2.5, "0", "-3"},
        {0.125, "0.00", "0.13"},
        {1.5, "#,##0", "2"},
        {0.00125, "0.00%", "0.13%"},
        {1.005, "0.00", "1.00"},   // stored just below 1.005: no halfway value
        {2.675, "0.00", "2.67"},   // likewise
        {125, "0.0E+00", "1.3E+02"},
        {0.125, "Currency", "$0.13"},
        {1234.565, "Currency", "$1,234.57"},
        {0.03125, "Percent", "3.13%"},
        {1.125, "Standard", "1.13"},
        {9007199254740992.0, "General Number", "9007199254740992"},
        {-1e17 - 16, "", "-100000000000000016"},
        {1e17 - 16, "#,##0", "99,999,999,999,999,984"},
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

// The formats as chart axes and labels use them, in the default locale.
TEST(NumberFormat, NamedFormatsAndPatternsInTheDefaultLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct
    {
        double value;
        const char* format;
        const char* shown;
    } cases[] = {
        {1234.5, "", "1234.5"},
        {1234.5, "General Number", "1234.5"},
        {1234.5, "Currency", "$1,234.50"},
        {-1234.5, "Currency", "($1,234.50)"},
        {1234.567, "Fixed", "1234.57"},
        {1234.567, "Standard", "1,234.57"},
        {0.1234, "Percent", "12.34%"},
        {1234567, "#,##0", "1,234,567"},
        {1234.5, "0.00", "1234.50"},
        {0.256, "0%", "26%"},
        {0.256, "0.0%", "25.6%"},
        {1500, "$#,##0", "$1,500"},
        {1500, "#,##0 \"units\"", "1,500 units"},
        {-1500, "#,##0;(#,##0)", "(1,500)"},
        {1500, "#,##0;(#,##0)", "1,500"},
        {12345, "0.00E+00", "1.23E+04"},
        {42, "Yes/No", "Yes"},
        {0, "True/False", "False"},
        {0, "#,##0.00", "0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value, QLatin1String(c.format)), QLatin1String(c.shown)) << c.format;
    QLocale::setDefault(QLocale::c());

    // The locale gives the separators, whatever the pattern writes.
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(formatNumber(1234.5, QStringLiteral("#,##0.00"), german), QStringLiteral("1.234,50"));
    EXPECT_EQ(formatNumber(0.5, QStringLiteral("Percent"), german), QStringLiteral("50,00%"));
}

TEST(NumberFormat, OnlyABarePercentScales)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(formatNumber(12, QStringLiteral("0\"%\""), us), QStringLiteral("12%"));
    EXPECT_EQ(formatNumber(12, QStringLiteral("0\\%"), us), QStringLiteral("12%"));
    EXPECT_EQ(formatNumber(0.12, QStringLiteral("0%"), us), QStringLiteral("12%"));
    EXPECT_EQ(formatNumber(0.123, QStringLiteral("0.0E+00%"), us), QStringLiteral("1.2E+01%"));
}

TEST(NumberFormat, EveryFiniteValueIsFormattedAsANumber)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const double largest = std::numeric_limits<double>::max();
    const double tiniest = std::numeric_limits<double>::denorm_min();
    for (double value : {largest, -largest, tiniest, -tiniest, 1e308, 5e-324}) {
        for (const char* format : {"0%", "0.00E+00%", "#,##0.00%", "0.00E+00", "#,##0,,%", "0.0E-0", "0"}) {
            const QString shown = formatNumber(value, QLatin1String(format), us);
            EXPECT_FALSE(shown.contains(QLatin1String("inf"), Qt::CaseInsensitive)) << format << " " << value;
            EXPECT_FALSE(shown.contains(QLatin1String("nan"), Qt::CaseInsensitive)) << format << " " << value;
        }
    }
    EXPECT_EQ(formatNumber(largest, QStringLiteral("0.00E+00%"), us), QStringLiteral("1.80E+310%"));
    EXPECT_EQ(formatNumber(tiniest, QStringLiteral("0.0E+00"), us), QStringLiteral("4.9E-324"));
    EXPECT_TRUE(formatNumber(largest, QStringLiteral("0%"), us).startsWith(QLatin1String("17976931348623157")));
}

// A whole cell value shows every digit in every format that shows whole digits, also beyond
// the 2^53 that a double holds exactly; within it, as the same double shows.
TEST(NumberFormat, WholeCellValuesShowEveryDigitOfSixtyFourBits)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const auto whole = olap::CellValue::whole;
    struct WholeCase
    {
        qint64 value;
        const char* format;
        const char* expected;
    };
    const WholeCase cases[] = {
        {9007199254740993, "General Number", "9007199254740993"},
        {9007199254740993, "", "9007199254740993"},
        {-9007199254740995, "#,##0", "-9,007,199,254,740,995"},
        {INT64_MAX, "0", "9223372036854775807"},
        {INT64_MAX, "Fixed", "9223372036854775807.00"},
        {INT64_MAX, "Standard", "9,223,372,036,854,775,807.00"},
        {INT64_MAX, "Percent", "922337203685477580700.00%"},
        {INT64_MAX, "Currency", "$9,223,372,036,854,775,807.00"},
        {INT64_MIN, "Currency", "($9,223,372,036,854,775,808.00)"},
        {INT64_MIN, "#,##0;(#,##0)", "(9,223,372,036,854,775,808)"},
        {INT64_MIN, "General Number", "-9223372036854775808"},
        {(qint64(1) << 62) + 1, "0.00E+00", "4.61E+18"},
        {(qint64(1) << 62) + 1, "#,##0,", "4,611,686,018,427,388"},
        {(qint64(1) << 62) + 1, "Yes/No", "Yes"},
    };
    for (const WholeCase& c : cases)
        EXPECT_EQ(formatNumber(whole(c.value), QString::fromLatin1(c.format), us), QString::fromUtf8(c.expected))
            << c.value << " as " << c.format;
    EXPECT_EQ(formatNumber(whole(INT64_MAX), QStringLiteral("Currency"), german),
              QStringLiteral("9.223.372.036.854.775.807,00\u00a0€"));
    for (const qint64 v : {qint64(0), qint64(-42), qint64(1234567), qint64(1) << 53, -(qint64(1) << 53)}) {
        for (const char* format : {"", "Currency", "Percent", "#,##0.00;(#,##0.00);\"-\"", "0.0E+00", "#,##0,"})
            EXPECT_EQ(formatNumber(whole(v), QLatin1String(format), us),
                      formatNumber(double(v), QLatin1String(format), us))
                << v << " as " << format;
    }
    EXPECT_EQ(formatNumber(olap::CellValue(0.5), QStringLiteral("Percent"), us), QStringLiteral("50.00%"));
}
