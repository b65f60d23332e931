#include "app/reportwindow/ReportWindowTestSupport.h"

#include "app/description/frmReportDescription.h"
#include "app/description/subHandleInfoClick.h"
#include "app/reports/cOLAPReport.h"
#include "controls/shared/Twips.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using description::frmReportDescription;
using description::openDescriptionWindow;
using description::subHandleInfoClick;

namespace {

class DescriptionWindow : public ::testing::Test
{
protected:
    DescriptionWindow() { window = r.load("frmStats2003"); }

    void openReport(const QString& text, const QString& name = QString())
    {
        auto report = std::make_shared<reports::cOLAPReport>();
        report->ViewName = name;
        report->ReportDescription = text;
        modGlobals::gobjReport = report;
    }

    QString shown() { return openDescriptionWindow()->brwWebBrowser->toPlainText(); }
    QStringList tempFiles() { return QDir(modFileHandling::fncGetTempPath()).entryList(QDir::Files); }

    ReportWindowRun r;
    reportwindow::ReportWindow* window = nullptr;
};

}

TEST_F(DescriptionWindow, NoReportOrAnEmptyDescriptionShowsNothing)
{
    subHandleInfoClick();
    openReport(QString());
    subHandleInfoClick();
    EXPECT_EQ(openDescriptionWindow(), nullptr);
    EXPECT_TRUE(tempFiles().isEmpty());
}

TEST_F(DescriptionWindow, AWholePageGoesToItsFixedFileAndOtherTextToAFreshNameEachClick)
{
    openReport(QStringLiteral("<html><BODY>Sales</Body></HTML>"));
    subHandleInfoClick();
    const QString page = openDescriptionWindow()->StartingAddress;
    EXPECT_EQ(page, QDir(modFileHandling::fncGetTempPath()).filePath(QStringLiteral("OLReportDesc.htm")));
    subHandleInfoClick();
    EXPECT_EQ(openDescriptionWindow()->StartingAddress, page);

    openReport(QStringLiteral("<b>Sales</b> by region"));
    subHandleInfoClick();
    const QString first = openDescriptionWindow()->StartingAddress;
    subHandleInfoClick();
    const QString second = openDescriptionWindow()->StartingAddress;
    EXPECT_NE(first, second);
    EXPECT_TRUE(first.endsWith(QStringLiteral(".ndf")));
    EXPECT_EQ(tempFiles().size(), 3);
}

TEST_F(DescriptionWindow, TheDescriptionIsShownAsWritten)
{
    const QString html = QStringLiteral("<p style=\"color: #ff0000; font-family: 'DejaVu Sans'\">Er sagte "
                                        "\"Grüße aus Zürich\" – 東京 😀</p>");
    openReport(html);
    subHandleInfoClick();
    EXPECT_EQ(shown(), QStringLiteral("Er sagte \"Grüße aus Zürich\" – 東京 😀"));
    QTextCursor cursor(openDescriptionWindow()->brwWebBrowser->document());
    cursor.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));

    // Text that is no HTML is shown as text, angle brackets and all.
    openReport(QStringLiteral("Revenue < 100 & \"growth\" > 5%"));
    subHandleInfoClick();
    EXPECT_EQ(shown(), QStringLiteral("Revenue < 100 & \"growth\" > 5%"));
}

TEST_F(DescriptionWindow, EachClickShowsTheCurrentReportsDescriptionInTheSameWindow)
{
    openReport(QStringLiteral("<p>First report</p>"), QStringLiteral("Umsatz – Übersicht"));
    subHandleInfoClick();
    frmReportDescription* opened = openDescriptionWindow();
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("Umsatz – Übersicht - Tessaline Tool for Excel"));

    openReport(QStringLiteral("<p>Second report</p>"));
    subHandleInfoClick();
    EXPECT_EQ(openDescriptionWindow(), opened);
    EXPECT_EQ(shown(), QStringLiteral("Second report"));
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("Tessaline Tool for Excel"));
}

TEST_F(DescriptionWindow, ScriptsDoNotRunAndNothingIsFetchedOrOpenedUnasked)
{
    openReport(QStringLiteral("<html><body><script>document.write('ran')</script>"
                              "<img src=\"http://example.invalid/track.png\"><img src=\"track.png\">"
                              "<a href=\"javascript:alert(1)\">script link</a> "
                              "<a href=\"file:///usr/bin/env\">file link</a> "
                              "<a href=\"https://example.org/sales\">web link</a></body></html>"));
    subHandleInfoClick();
    description::DescriptionBrowser& browser = *openDescriptionWindow()->brwWebBrowser;
    EXPECT_FALSE(shown().contains(QStringLiteral("ran")));
    // A refused picture is an empty one: given nothing at all, Qt would look the name up itself.
    const QSize empty(1, 1);
    EXPECT_EQ(browser.document()
                  ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("http://example.invalid/track.png")))
                  .value<QImage>()
                  .size(),
              empty);
    EXPECT_EQ(
        browser.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("track.png"))).value<QImage>().size(),
        empty);

    for (const char* link : {"javascript:alert(1)", "file:///usr/bin/env", "https://example.org/sales"})
        emit browser.anchorClicked(QUrl(QString::fromLatin1(link)));
    EXPECT_EQ(r.run.fakes.urlOpener.urls, QStringList{QStringLiteral("https://example.org/sales")});
    EXPECT_TRUE(r.run.fakes.urlOpener.files.isEmpty());
}

TEST_F(DescriptionWindow, TheBrowserFollowsTheWindowsSizeAndStaysWhenItCannotShrink)
{
    openReport(QStringLiteral("Notes"));
    subHandleInfoClick();
    frmReportDescription& shownWindow = *openDescriptionWindow();
    shownWindow.resize(500, 400);
    const int right = controls::twips::toPixels(200, controls::twips::perPixelX(shownWindow));
    const int below = controls::twips::toPixels(500, controls::twips::perPixelY(shownWindow));
    EXPECT_EQ(shownWindow.brwWebBrowser->geometry(), QRect(0, 0, 500 - right, 400 - below));
    EXPECT_GT(shownWindow.cmdCancel->geometry().top(), 400 - below - 1);
    EXPECT_LE(shownWindow.cmdCancel->geometry().bottom(), 399);

    shownWindow.setMinimumSize(1, 1);
    shownWindow.resize(10, 20);
    EXPECT_EQ(shownWindow.brwWebBrowser->geometry(), QRect(0, 0, 500 - right, 400 - below));
}

TEST_F(DescriptionWindow, CancelClosesOnlyThisWindowAndTheReportWindowTakesItAlong)
{
    window->show();
    openReport(QStringLiteral("Notes"));
    subHandleInfoClick();
    ASSERT_NE(openDescriptionWindow(), nullptr);
    EXPECT_FALSE(openDescriptionWindow()->isModal());
    openDescriptionWindow()->cmdCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openDescriptionWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());

    subHandleInfoClick();
    ASSERT_NE(openDescriptionWindow(), nullptr);
    EXPECT_TRUE(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(openDescriptionWindow() == nullptr || !openDescriptionWindow()->isVisible());
}
