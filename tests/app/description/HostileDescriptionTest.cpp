#include "app/output/OutputTestSupport.h"

#include "app/description/frmReportDescription.h"
#include "app/description/subHandleInfoClick.h"
#include "app/output/modPrintOut.h"
#include "app/reports/cOLAPReport.h"
#include "app/savereport/frmSaveReport.h"
#include "app/savereport/htmleditor/ctlHTLMEditor.h"

#include <QImage>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>

// Descriptions as a report file from anywhere may carry them, at their real sizes: each view
// of a description takes them and the program goes on. These tests run under a CTest timeout
// of their own (QUICK in tests/app/CMakeLists.txt): a freeze fails them.

namespace {

QString nestedTables(int depth)
{
    return QStringLiteral("<table><tr><td>").repeated(depth) + QStringLiteral("deep")
        + QStringLiteral("</td></tr></table>").repeated(depth);
}

struct Hostile
{
    const char* name;
    std::function<QString(const QString& folder)> description;
    const char* shown;          // a word of it that the views show
    bool notice;                // whether the user is told that it is not shown as written
    const char* picture = "";   // the picture it names, in the folder of hostile files
};

// The test's name in CTest's list, which would otherwise hold addresses of this run.
void PrintTo(const Hostile& hostile, std::ostream* out)
{
    *out << hostile.name;
}

const Hostile kHostile[] = {
    {"ThreeThousandNestedTables", [](const QString&) { return nestedTables(3000); }, "deep", true},
    {"TwentyFiveNestedTables", [](const QString&) { return nestedTables(25); }, "deep", true},
    {"TwentyMegabytes", [](const QString&) { return QStringLiteral("<p>big</p>").repeated(1 << 20); }, "", true},
    {"PictureInAFifo", nullptr, "before", false, "fifo.png"},
    {"PictureInDevZero", nullptr, "before", false, "zero.png"},
    {"PictureOfFourGigabytes", nullptr, "before", false, "huge.png"},
    {"StyleSheetInAFifo",
     [](const QString& folder) {
         return QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"%1/fifo.png\"></head><body>"
                               "<style>@import url(%1/fifo.png);</style><p>before</p></body></html>")
             .arg(folder);
     },
     "before", false},
};

class HostileDescription : public ::testing::TestWithParam<Hostile>
{
protected:
    HostileDescription()
    {
        const QString folder = w.fakes().path(QStringLiteral("hostile"));
        QDir().mkpath(folder);
        ::mkfifo(QFile::encodeName(folder + QStringLiteral("/fifo.png")).constData(), 0600);
        QFile::link(QStringLiteral("/dev/zero"), folder + QStringLiteral("/zero.png"));
        QFile huge(folder + QStringLiteral("/huge.png"));
        if (huge.open(QIODevice::WriteOnly))
            huge.resize(qint64(4) << 30);
        const QString url = QUrl::fromLocalFile(folder).toString();
        picture = QUrl(url + QLatin1Char('/') + QLatin1String(GetParam().picture));
        report = std::make_shared<reports::cOLAPReport>();
        report->ViewName = QStringLiteral("Hostile");
        report->ReportDescription = GetParam().description
            ? GetParam().description(url)
            : QStringLiteral("<p>before<img src=\"%1\">after</p>").arg(picture.toString());
        modGlobals::gobjReport = report;
    }

    bool ends(const std::function<void()>& work) { return w.r.run.ends(work) || w.fakes().processEnd.ends > 0; }

    void expectShown(const QString& text)
    {
        if (*GetParam().shown)
            EXPECT_TRUE(text.contains(QLatin1String(GetParam().shown)));
        else
            EXPECT_TRUE(text.trimmed().isEmpty());
    }

    // The document holds the empty picture that stands for one that cannot be shown.
    void expectNoPictureRead(const QTextDocument& document)
    {
        if (*GetParam().picture) {
            EXPECT_EQ(document.resource(QTextDocument::ImageResource, picture).value<QImage>().size(), QSize(1, 1));
        }
    }

    void expectToldWhenNotAsWritten()
    {
        const auto& shown = w.fakes().messageBox.shown;
        ASSERT_EQ(shown.size(), GetParam().notice ? 1 : 0);
        if (GetParam().notice) {
            EXPECT_TRUE(shown.front().text.contains(QStringLiteral("\"Hostile\""))) << shown.front().text.toStdString();
        }
    }

    PictureWindow w;
    QUrl picture;
    std::shared_ptr<reports::cOLAPReport> report;
};

}

TEST_P(HostileDescription, TheDescriptionWindowShowsIt)
{
    EXPECT_FALSE(ends([] { description::subHandleInfoClick(); }));
    description::frmReportDescription* window = description::openDescriptionWindow();
    ASSERT_NE(window, nullptr);
    window->grab();
    expectShown(window->brwWebBrowser->toPlainText());
    expectNoPictureRead(*window->brwWebBrowser->document());
    expectToldWhenNotAsWritten();
}

TEST_P(HostileDescription, TheEditorOfTheSaveDialogShowsItAndKeepsItAsWritten)
{
    std::unique_ptr<savereport::frmSaveReport> dialog;
    EXPECT_FALSE(ends([&] { dialog = std::make_unique<savereport::frmSaveReport>(w.window); }));
    ASSERT_TRUE(dialog);
    savereport::htmleditor::ctlHTLMEditor& editor = *dialog->ctlReportDescription();
    dialog->grab();
    const QTextEdit& shown = *static_cast<QTextEdit*>(editor.ieeEditor());
    expectShown(shown.toPlainText());
    expectNoPictureRead(*shown.document());
    EXPECT_EQ(editor.HTML(), report->ReportDescription);
    expectToldWhenNotAsWritten();
}

// The printed page shows the pictures of the view alone; the description never reaches it.
TEST_P(HostileDescription, ThePrintOutPrintsTheView)
{
    EXPECT_FALSE(ends([] { output::modPrintOut::subPrintOut(); }));
    EXPECT_TRUE(QFile::exists(w.fakes().printerChooser.pdfPath));
    EXPECT_TRUE(w.fakes().messageBox.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Descriptions, HostileDescription, ::testing::ValuesIn(kHostile),
                         [](const ::testing::TestParamInfo<Hostile>& test) { return std::string(test.param.name); });
