#include "app/savereport/SaveReportRules.h"

#include "app/reports/ReportRecord.h"
#include "app/reports/cOLAPReport.h"

#include <QTextDocument>
#include <cctype>
#include <gtest/gtest.h>

using namespace savereport;

namespace {

TEST(StoredReportName, BlanksAloneAreNoNameAndLongNamesAreCutOnACharacterBoundary)
{
    EXPECT_EQ(storedReportName(QStringLiteral("   \t ")), QString());
    EXPECT_EQ(storedReportName(QString()), QString());
    EXPECT_EQ(storedReportName(QStringLiteral(" Q1 ")), QStringLiteral(" Q1 "));

    const QString exact(150, QLatin1Char('a'));
    EXPECT_EQ(storedReportName(exact + QStringLiteral("bc")), exact);

    // U+1D11E takes two units; a cut after 150 units would keep only its first half.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    const QString straddling = QString(149, QLatin1Char('a')) + clef + QStringLiteral("z");
    EXPECT_EQ(storedReportName(straddling), QString(149, QLatin1Char('a')));
    const QString fitting = QString(148, QLatin1Char('a')) + clef + QStringLiteral("z");
    EXPECT_EQ(storedReportName(fitting), QString(148, QLatin1Char('a')) + clef);
}

// What the refusal says, in every language, is the messages test's; here, what is no separator.
TEST(SeparatorRefusal, OnlyTheSequencesThemselvesAreRefused)
{
    EXPECT_EQ(separatorRefusal(QStringLiteral("Report type"), QStringLiteral("Sales xyz **")), QString());
}

struct DescriptionCase
{
    const char* description;
    const char* stored;   // nullptr: refused
};

// Names the case in test listings by the letters of its text, not by its bytes in memory.
void PrintTo(const DescriptionCase& c, std::ostream* os)
{
    for (const char* p = c.description; *p; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p)))
            *os << *p;
}

class StoredDescriptionTest : public ::testing::TestWithParam<DescriptionCase>
{};

TEST_P(StoredDescriptionTest, SeparatorsInTextBecomeReferencesAndInMarkupAreRefused)
{
    const StoredDescription result =
        storedDescription(QString::fromUtf8(GetParam().description), QStringLiteral("Description"));
    if (!GetParam().stored) {
        EXPECT_TRUE(result.refusal.startsWith(QStringLiteral("Description"))) << result.refusal.toStdString();
        return;
    }
    EXPECT_TRUE(result.refusal.isEmpty());
    EXPECT_EQ(result.html, QString::fromUtf8(GetParam().stored));
}

INSTANTIATE_TEST_SUITE_P(Table, StoredDescriptionTest,
                         ::testing::Values(DescriptionCase{"<p>Plain <b>bold</b></p>", "<p>Plain <b>bold</b></p>"},
                                           DescriptionCase{"<p>XYZ Ltd</p>", "<p>&#88;YZ Ltd</p>"},
                                           DescriptionCase{"<p>a***b</p>", "<p>a&#42;**b</p>"},
                                           DescriptionCase{"<p>******* and XXYZ</p>",
                                                           "<p>&#42;**&#42;**&#42; and X&#88;YZ</p>"},
                                           DescriptionCase{"<p>1 < 2 XYZ</p>", "<p>1 < 2 &#88;YZ</p>"},
                                           DescriptionCase{"<p title=\"a>b\">XYZ</p>", "<p title=\"a>b\">&#88;YZ</p>"},
                                           DescriptionCase{"XYZ Ltd & Co", "<p>&#88;YZ Ltd &amp; Co</p>"},
                                           DescriptionCase{"<a href=\"http://x/XYZ\">link</a>", nullptr},
                                           DescriptionCase{"<p>ok</p><!-- *** -->", nullptr},
                                           DescriptionCase{"<style>p{}/***/</style><p>x</p>", nullptr},
                                           DescriptionCase{"<SCRIPT>var XYZ;</SCRIPT>", nullptr}));

// What the dialog stores still splits into the same fields and shows as written.
TEST(StoredDescription, KeepsTheRecordWholeAndShowsTheSameText)
{
    const QString typed = QStringLiteral("<p>XYZ Ltd sold ***** units</p>");
    reports::cOLAPReport report;
    report.ViewType = 1;
    report.ReportDescription = storedDescription(typed, QStringLiteral("Description")).html;
    report.ReportType = QStringLiteral("Monthly");
    report.ReportCategory = QStringLiteral("Sales");
    const reports::reportrecord::Context context;
    reports::cOLAPReport read;
    ASSERT_TRUE(reports::reportrecord::decode(reports::reportrecord::encode(report, context), context, read));
    EXPECT_EQ(read.ReportDescription, report.ReportDescription);
    EXPECT_EQ(read.ReportType, QStringLiteral("Monthly"));
    EXPECT_EQ(read.ReportCategory, QStringLiteral("Sales"));

    QTextDocument shown;
    shown.setHtml(read.ReportDescription);
    EXPECT_EQ(shown.toPlainText(), QStringLiteral("XYZ Ltd sold ***** units"));
}

}
