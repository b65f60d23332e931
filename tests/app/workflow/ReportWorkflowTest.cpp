#include "app/ProgramRun.h"

#include "app/connections/StartupHooks.h"
#include "app/description/frmReportDescription.h"
#include "app/output/frmSaveSize.h"
#include "app/reports/ReportRecord.h"
#include "app/reportwindow/ReportWindow.h"
#include "app/savereport/frmSaveReport.h"
#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "app/startup/modMain.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "controls/unicombo/uniCombo.h"
#include "pivot/DropArea.h"
#include "pivot/FieldListPanel.h"
#include "pivot/PivotTable.h"
#include "pivot/QtPrinters.h"
#include "support/RealInput.h"
#include "support/TestServices.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

using namespace modGlobals;

namespace {

// Every file of a folder with a digest of its bytes, by path within the folder.
using FolderState = QMap<QString, QByteArray>;

// The program as a user meets it: started on a copy of the sample cubes and the reports the
// build saved, its real window shown on the X server with the chart beside the pivot, and
// driven only by the X server's pointer and keyboard. After each step the data folder on
// disk is compared with what the step may change.
class ReportWorkflow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(onRealDisplay());
        const QDir samples(QStringLiteral(TESSALINE_SAMPLE_DATA));
        QDirIterator files(samples.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            const QString to = data.filePath(samples.relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
        }
        run.fakes.app.setCommandLine(data.path());
        connections::hooks().getLocalLanguage = [] { return 4; };
        modMain::Main();
        window = qobject_cast<reportwindow::ReportWindow*>(gfrmStats.data());
        ASSERT_TRUE(window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        ASSERT_TRUE(QTest::qWaitFor([] { return gobjReportsDic != nullptr; }, 5000));
        // The first report opens by itself; the user asks for the chart beside the pivot.
        ASSERT_TRUE(QTest::qWaitFor([] { return gobjReport != nullptr; }, 5000));
        realinput::click(window->optBoth());
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->excChart()->isVisible(); }, 5000));
        before = folderState();
    }

    FolderState folderState() const
    {
        FolderState state;
        QDirIterator files(data.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            state.insert(QDir(data.path()).relativeFilePath(path),
                         QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));
        }
        return state;
    }

    // The files a step changed, added or removed, by path.
    QStringList changedSinceLastStep()
    {
        const FolderState now = folderState();
        QStringList changed;
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (before.value(it.key()) != it.value())
                changed << it.key();
        }
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!now.contains(it.key()))
                changed << it.key();
        }
        before = now;
        changed.sort();
        return changed;
    }

    QString reportPath(const QString& cube, const QString& name) const
    {
        return QStringLiteral("ReportsXP/") + cube + QLatin1Char('/') + name + QStringLiteral(".txt");
    }

    QString reportText(const QString& cube, const QString& name) const
    {
        QFile file(data.filePath(reportPath(cube, name)));
        return file.open(QIODevice::ReadOnly) ? reports::reportrecord::decodeText(file.readAll(), 1252) : QString();
    }

    // What the X server shows, for a person to look at (where TESSALINE_SCREENSHOTS points).
    static void keepScreen(const QString& name)
    {
        const QString folder = qEnvironmentVariable("TESSALINE_SCREENSHOTS");
        if (!folder.isEmpty())
            QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }

    // The tree's node with this text: a cube, a folder or a report.
    QTreeWidgetItem* node(const QString& text) const
    {
        const QList<QTreeWidgetItem*> found =
            window->treReports()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.first() : nullptr;
    }

    void clickNode(const QString& text)
    {
        QTreeWidgetItem* item = node(text);
        ASSERT_TRUE(item) << text.toStdString();
        QTreeWidget* tree = window->treReports();
        tree->scrollToItem(item);
        realinput::click(tree->viewport(), tree->visualItemRect(item).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return tree->currentItem() == item; }, 3000));
    }

    void dragField(const QString& caption, pivot::Area area)
    {
        pivot::PivotTable& pivot = *window->pivReports();
        QTreeWidget* fields = pivot.fieldList()->tree();
        const QList<QTreeWidgetItem*> found = fields->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(found.isEmpty()) << caption.toStdString();
        fields->scrollToItem(found.first());
        const int itemCount = countItems(*fields);
        realinput::drag(fields->viewport(), fields->visualItemRect(found.first()).center(), pivot.dropArea(area),
                        {-1, -1});
        // The list hands out a copy: whatever the drop made of the drag, the field stays there,
        // shown in bold as one in use.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QList<QTreeWidgetItem*> now = fields->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
                return now.size() == 1 && now.first()->font(0).bold();
            },
            5000));
        EXPECT_EQ(countItems(*fields), itemCount);
    }

    static int countItems(QTreeWidget& tree)
    {
        int count = 0;
        for (QTreeWidgetItemIterator it(&tree); *it; ++it)
            ++count;
        return count;
    }

    void chooseFromToolsMenu(QAction* action)
    {
        QMenuBar* bar = window->menuBar();
        realinput::click(bar, bar->actionGeometry(window->mnuTools()->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->mnuTools()->isVisible(); }, 3000));
        realinput::click(window->mnuTools(), window->mnuTools()->actionGeometry(action).center());
    }

    // Presses Save report and fills the dialog as a user types: name, category, description.
    void saveAs(const QString& name, const QString& category, const QString& description, QString* offeredName)
    {
        bool filled = false;
        realinput::whenModal("savereport::frmSaveReport", [&](QWidget& widget) {
            auto& dialog = static_cast<savereport::frmSaveReport&>(widget);
            *offeredName = dialog.cmbReportName()->Text();
            realinput::click(dialog.cmbReportName()->editWindow());
            realinput::key(QStringLiteral("ctrl+a"));
            realinput::type(name);
            realinput::click(dialog.cmbSuperCategory()->editWindow());
            realinput::key(QStringLiteral("ctrl+a"));
            realinput::type(category);
            realinput::click(dialog.ctlReportDescription()->ieeEditor());
            realinput::type(description);
            filled = true;
            realinput::click(dialog.OKButton());
        });
        realinput::click(window->cmdAddReport());
        ASSERT_TRUE(QTest::qWaitFor([&] { return filled && !QApplication::activeModalWidget(); }, 10000));
    }

    QTemporaryDir data;
    ProgramRun run;
    reportwindow::ReportWindow* window = nullptr;
    FolderState before;
};

TEST_F(ReportWorkflow, ArrangeSaveRemoveSaveReopenDescribePictureAndPrint)
{
    // A cube picked in the tree, fields dragged onto the pivot.
    clickNode(QStringLiteral("Budget"));
    ASSERT_TRUE(QTest::qWaitFor([] { return gstrCubeName == QStringLiteral("Budget"); }, 5000));
    QTest::qWait(1000);
    keepScreen(QStringLiteral("workflow-cube-picked"));
    dragField(QStringLiteral("Organisation"), pivot::Area::Row);
    dragField(QStringLiteral("Amount"), pivot::Area::Data);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->pivReports()->rowFieldCaptions().size() == 1; }, 5000));
    EXPECT_EQ(window->pivReports()->measureCaptions(), QStringList{QStringLiteral("Amount")});
    EXPECT_EQ(changedSinceLastStep(), QStringList());

    // Saved under a new name: one new file in the cube's folder, nothing else touched.
    QString offered;
    saveAs(QStringLiteral("Teams at a glance"), QStringLiteral("Planning"), QStringLiteral("Costs by team"), &offered);
    EXPECT_EQ(changedSinceLastStep(),
              QStringList{reportPath(QStringLiteral("Budget"), QStringLiteral("Teams at a glance"))});
    EXPECT_TRUE(reportText(QStringLiteral("Budget"), QStringLiteral("Teams at a glance"))
                    .contains(QStringLiteral("Costs by team")));
    EXPECT_TRUE(node(QStringLiteral("Teams at a glance")));

    // Another report of the cube opened and removed: only its file goes.
    clickNode(QStringLiteral("Team bookings"));
    run.fakes.messageBox.answers << 6;   // Yes, remove it
    realinput::click(window->cmdRemoveReport());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !node(QStringLiteral("Team bookings")); }, 5000));
    EXPECT_EQ(changedSinceLastStep(),
              QStringList{reportPath(QStringLiteral("Budget"), QStringLiteral("Team bookings"))});
    EXPECT_FALSE(window->cmdInfo()->isVisible());

    // Saved again: no other report's fields are offered, and the new report is the cube's on screen.
    saveAs(QStringLiteral("After the removal"), QStringLiteral("Planning"), QStringLiteral("Second look"), &offered);
    EXPECT_EQ(offered, QString());
    EXPECT_EQ(changedSinceLastStep(),
              QStringList{reportPath(QStringLiteral("Budget"), QStringLiteral("After the removal"))});
    const QString saved = reportText(QStringLiteral("Budget"), QStringLiteral("After the removal"));
    EXPECT_TRUE(saved.contains(QStringLiteral("Budget.cub")));
    EXPECT_FALSE(saved.contains(QStringLiteral("Sales.cub")));

    // Away to the other cube's report and back: the arrangement as it was saved.
    clickNode(QStringLiteral("Revenue by region"));
    ASSERT_TRUE(QTest::qWaitFor([] { return gstrCubeName == QStringLiteral("Sales"); }, 5000));
    clickNode(QStringLiteral("Teams at a glance"));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return window->pivReports()->rowFieldCaptions() == QStringList{QStringLiteral("Organisation")}; },
        5000));
    EXPECT_EQ(changedSinceLastStep(), QStringList());

    // Its description, shown beside the window.
    ASSERT_TRUE(window->cmdInfo()->isVisible());
    realinput::click(window->cmdInfo());
    QPointer<description::frmReportDescription> shown;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* form = qobject_cast<description::frmReportDescription*>(top); form && form->isVisible())
                    shown = form;
            }
            return shown != nullptr;
        },
        5000));
    EXPECT_TRUE(shown->brwWebBrowser->toPlainText().contains(QStringLiteral("Costs by team")));
    realinput::click(shown->cmdCancel);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown || !shown->isVisible(); }, 3000));

    // A picture of the chart, at the size the dialog offers, outside the data folder.
    const QString picture = run.fakes.path(QStringLiteral("chart.gif"));
    run.fakes.filePicker.answers << picture;
    realinput::whenModal("output::frmSaveSize",
                         [](QWidget& dialog) { realinput::click(static_cast<output::frmSaveSize&>(dialog).cmdSave); });
    chooseFromToolsMenu(window->mnuSavePicture());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(picture).size() > 0; }, 10000));
    QFile gif(picture);
    ASSERT_TRUE(gif.open(QIODevice::ReadOnly));
    const QByteArray head = gif.read(10);
    EXPECT_TRUE(head.startsWith("GIF8"));
    EXPECT_EQ(uchar(head[6]) | uchar(head[7]) << 8, 800);
    EXPECT_EQ(uchar(head[8]) | uchar(head[9]) << 8, 600);

    // The print-out, to a PDF file.
    chooseFromToolsMenu(window->mnuPrint());
    const QString pdf = run.fakes.printerChooser.pdfPath;
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(pdf).size() > 0; }, 10000));
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5).startsWith("%PDF"));
    EXPECT_EQ(changedSinceLastStep(), QStringList());
}

}
