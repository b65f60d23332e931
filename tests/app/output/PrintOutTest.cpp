#include "OutputTestSupport.h"

#include "app/output/modPrintOut.h"
#include "pivot/PivotHooks.h"
#include "platform/VbError.h"

#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringEncoder>
#include <gtest/gtest.h>

using output::modPrintOut::PrintedPicture;

namespace {

// What a PDF holds, read from its object dictionaries.
struct PdfContents
{
    int pages = 0;
    int images = 0;
};

PdfContents readPdf(const QString& path)
{
    const QString text = QString::fromLatin1(fileBytes(path));
    return PdfContents{int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])")))),
                       int(text.count(QRegularExpression(QStringLiteral("/Subtype\\s*/Image\\b"))))};
}

QByteArray utf16(const QString& text)
{
    QStringEncoder encode(QStringConverter::Utf16LE);
    return encode(text);
}

const QString kBothPage = QStringLiteral("<html><body><p><img border ='0' src='piv.gif' width='600' height='400'><br>"
                                         "<img border ='0' src='chart.gif' width='600' height='400'></body></html>");
const QString kPivotPage =
    QStringLiteral("<html><body><p><img border ='0' src='piv.gif' width='600' height='800'></body></html>");
const QString kGraphPage =
    QStringLiteral("<html><body><p><img border ='0' src='chart.gif' width='600' height='800'></body></html>");

class PrintOut : public ::testing::Test
{
protected:
    void view(QRadioButton* (reportwindow::ReportWindow::*option)() const) { (w.window->*option)()->setChecked(true); }
    QString pdf() { return w.fakes().printerChooser.pdfPath; }

    PictureWindow w;
};

// A pivot table that cannot make its picture, as the export reports it.
class FailingPivotPicture
{
public:
    FailingPivotPicture()
    {
        pivot::hooks().gifWriter = [](const QImage&, const QString&) {
            platform::raiseError(platform::err::ControlArrayElementMissing, QStringLiteral("No room for the picture"));
        };
    }

private:
    pivot::InstalledHooks m_installed{pivot::hooks()};
};

}

TEST(PrintPage, EachViewHasItsExactPage)
{
    using output::modPrintOut::pageText;
    const QString piv = QStringLiteral("piv.gif"), chart = QStringLiteral("chart.gif");
    EXPECT_EQ(pageText({PrintedPicture{piv, 600, 400}, PrintedPicture{chart, 600, 400}}), kBothPage);
    EXPECT_EQ(pageText({PrintedPicture{piv, 600, 800}}), kPivotPage);
    EXPECT_EQ(pageText({PrintedPicture{chart, 600, 800}}), kGraphPage);
}

TEST_F(PrintOut, EachViewPrintsOnePageWithItsPicturesAtTheirSizes)
{
    struct Case
    {
        QRadioButton* (reportwindow::ReportWindow::*option)() const;
        QString page;
        int images;
        QSize pivot;   // 0 x 0: no picture of the pivot table
        QSize chart;
    };
    const Case cases[] = {
        {&reportwindow::ReportWindow::optBoth, kBothPage, 2, QSize(600, 400), QSize(600, 400)},
        {&reportwindow::ReportWindow::optPivot, kPivotPage, 1, QSize(600, 800), QSize(0, 0)},
        {&reportwindow::ReportWindow::optGraph, kGraphPage, 1, QSize(0, 0), QSize(600, 800)},
    };
    for (const Case& c : cases) {
        view(c.option);
        QFile::remove(pdf());
        output::modPrintOut::subPrintOut();

        EXPECT_EQ(fileBytes(w.temp(QStringLiteral("OLAPReport.htm"))), utf16(c.page)) << c.page.toStdString();
        EXPECT_EQ(QImage(w.temp(QStringLiteral("piv.gif")), "GIF").size(), c.pivot) << c.page.toStdString();
        EXPECT_EQ(QImage(w.temp(QStringLiteral("chart.gif")), "GIF").size(), c.chart) << c.page.toStdString();
        const PdfContents printed = readPdf(pdf());
        EXPECT_EQ(printed.pages, 1) << c.page.toStdString();
        EXPECT_EQ(printed.images, c.images) << c.page.toStdString();
    }
    EXPECT_EQ(w.fakes().printerChooser.asked, 3);
    EXPECT_EQ(w.fakes().processEnd.ends, 0);
}

TEST_F(PrintOut, APivotPictureThatFailsIsLeftOutNeverTakenFromAnEarlierPrint)
{
    view(&reportwindow::ReportWindow::optBoth);
    output::modPrintOut::subPrintOut();
    ASSERT_TRUE(QFileInfo::exists(w.temp(QStringLiteral("piv.gif"))));

    FailingPivotPicture failing;
    QFile::remove(pdf());
    output::modPrintOut::subPrintOut();
    EXPECT_FALSE(QFileInfo::exists(w.temp(QStringLiteral("piv.gif"))));
    EXPECT_EQ(fileBytes(w.temp(QStringLiteral("OLAPReport.htm"))),
              utf16(QStringLiteral("<html><body><p><img border ='0' src='chart.gif' width='600' height='400'>"
                                   "</body></html>")));
    const PdfContents printed = readPdf(pdf());
    EXPECT_EQ(printed.pages, 1);
    EXPECT_EQ(printed.images, 1);
    EXPECT_TRUE(w.fakes().messageBox.shown.isEmpty());
}

TEST_F(PrintOut, APivotOnlyPrintWithoutAPictureEndsWithANotice)
{
    view(&reportwindow::ReportWindow::optPivot);
    FailingPivotPicture failing;
    output::modPrintOut::subPrintOut();
    ASSERT_EQ(w.fakes().messageBox.shown.size(), 1);
    EXPECT_TRUE(w.fakes().messageBox.shown[0].text.contains(QStringLiteral("No room for the picture")));
    EXPECT_EQ(w.fakes().printerChooser.asked, 0);
    EXPECT_TRUE(w.fakes().urlOpener.urls.isEmpty());
    EXPECT_EQ(w.fakes().processEnd.ends, 0);
}

TEST_F(PrintOut, ACancelledPrintDialogPrintsNothing)
{
    view(&reportwindow::ReportWindow::optGraph);
    w.fakes().printerChooser.cancel = true;
    output::modPrintOut::subPrintOut();
    EXPECT_EQ(w.fakes().printerChooser.asked, 1);
    EXPECT_FALSE(QFileInfo::exists(pdf()));
    EXPECT_EQ(w.fakes().processEnd.ends, 0);
}
