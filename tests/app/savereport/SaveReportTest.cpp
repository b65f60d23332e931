#include "app/ProgramRun.h"

#include "Screenshots.h"

#include "app/connections/StartupHooks.h"
#include "app/description/frmReportDescription.h"
#include "app/reports/ReportRecord.h"
#include "app/reports/cOLAPReport.h"
#include "app/reports/cReportsDic.h"
#include "app/reports/tree/ReportTree.h"
#include "app/reportwindow/ReportWindow.h"
#include "app/reportwindow/ReportWindowSeams.h"
#include "app/reportwindow/ReportWindows.h"
#include "app/savereport/ReportSaver.h"
#include "app/savereport/frmSaveReport.h"
#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "app/startup/modMain.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "controls/unicombo/uniCombo.h"
#include "pivot/PivotTable.h"
#include "platform/RegistryStore.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace modGlobals;
using savereport::frmSaveReport;

namespace {

const QString kName = QString::fromUtf8("Übersicht Köln–Zürich 😀");

// The program started on a data folder of its own with the sample cubes Budget and Sales,
// its report window loaded and its tree filled, as a user meets it.
class SavingRun : public ::testing::Test
{
protected:
    SavingRun()
    {
        for (const char* cube : {"Budget", "Sales"}) {
            const QString name = QString::fromLatin1(cube) + QStringLiteral(".cub");
            QFile::copy(QStringLiteral(TESSALINE_SAMPLE_DATA "/") + name, data.filePath(name));
        }
        run.fakes.app.setCommandLine(data.path());
        connections::hooks().getLocalLanguage = [] { return 4; };
    }

    void SetUp() override
    {
        beforeStart();
        modMain::Main();
        window = qobject_cast<reportwindow::ReportWindow*>(gfrmStats.data());
        ASSERT_TRUE(window);
        ASSERT_TRUE(QTest::qWaitFor([] { return gobjReportsDic != nullptr; }, 3000));
    }

    virtual void beforeStart() {}

    void arrangePivot(const char* rows, const char* columns, const char* measure)
    {
        pivot::PivotTable& table = *window->pivReports();
        table.placeField({pivot::FieldRef::Kind::Hierarchy, QString::fromLatin1(rows), 0}, pivot::Area::Row);
        table.placeField({pivot::FieldRef::Kind::Hierarchy, QString::fromLatin1(columns), 0}, pivot::Area::Column);
        table.placeField({pivot::FieldRef::Kind::Measure, QString::fromLatin1(measure), 0}, pivot::Area::Data);
    }

    // Presses the report window's save button; `inDialog` runs while the modal dialog is open.
    void pressSave(const std::function<void(frmSaveReport&)>& inDialog)
    {
        bool ran = false;
        QTimer::singleShot(0, window, [&] {
            auto* dialog = qobject_cast<frmSaveReport*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            ran = true;
            inDialog(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        QTest::mouseClick(window->cmdAddReport(), Qt::LeftButton);
        EXPECT_TRUE(ran);
    }

    // Types as a keyboard would, one key a character, letters beyond ASCII included.
    static void typeText(QWidget* widget, const QString& text)
    {
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype units = text[i].isHighSurrogate() ? 2 : 1;
            const QString letter = text.mid(i, units);
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, letter, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, letter, Qt::NoModifier);
            i += units;
        }
    }

    // Types over what the box holds.
    static void typeInto(unicombo::uniCombo* list, const QString& text)
    {
        QTest::mouseClick(list->editWindow(), Qt::LeftButton);
        QTest::keyClick(list->editWindow(), Qt::Key_A, Qt::ControlModifier);
        typeText(list->editWindow(), text);
    }

    QString reportFile(const QString& cube, const QString& name, const char* root = "ReportsXP") const
    {
        return data.filePath(QString::fromLatin1(root) + QLatin1Char('/') + cube + QLatin1Char('/') + name
                             + QStringLiteral(".txt"));
    }

    QStringList reportFiles() const
    {
        QStringList files;
        for (const QString& cube : {QStringLiteral("Budget"), QStringLiteral("Sales")}) {
            for (const QString& file : QDir(data.filePath(QStringLiteral("ReportsXP/") + cube)).entryList(QDir::Files))
                files << cube + QLatin1Char('/') + file + QLatin1Char(':')
                        + QString::number(
                             QFileInfo(data.filePath(QStringLiteral("ReportsXP/") + cube + QLatin1Char('/') + file))
                                 .size());
        }
        return files;
    }

    // A report saved the way the dialog saves it, for the tests that need one beforehand.
    void saveDirectly(const QString& name, const QString& category, const QString& type)
    {
        savereport::SaveChoice choice{name, category, type, savereport::htmleditor::kEmptyTemplate, 2};
        savereport::ViewState view{window->pivReports()->XMLData(), window->excChart()->XMLData()};
        ASSERT_EQ(savereport::saveCurrentView(choice, view), savereport::SaveOutcome::Saved);
    }

    QTemporaryDir data;
    ProgramRun run;
    reportwindow::ReportWindow* window = nullptr;
};

TEST_F(SavingRun, ArrangeSaveWithEverythingSeeItInTheTreeAndReopenIt)
{
    arrangePivot("Organisation", "Time", "Amount");
    saveDirectly(QStringLiteral("Earlier"), QStringLiteral("Finance"), QStringLiteral("Monthly"));
    arrangePivot("Account", "Scenario", "Amount");
    window->optPivot()->click();
    const QString pivotXml = window->pivReports()->XMLData();
    const QString graphXml = window->excChart()->XMLData();
    const auto arrangement = [this] {
        const pivot::PivotTable& table = *window->pivReports();
        const chart::ChartSpace& chart = *window->excChart();
        return QStringList{table.rowFieldCaptions().join(u','), table.columnFieldCaptions().join(u','),
                           table.measureCaptions().join(u','), QString::number(chart.Charts().Count()),
                           QString::number(chart.Charts().Count() ? chart.Charts().Item(0).Type() : -1)};
    };
    const QStringList arranged = arrangement();

    pressSave([&](frmSaveReport& dialog) {
        EXPECT_TRUE(dialog.optPivot()->isChecked());
        // The report saved last is the current one: the dialog offers its values.
        EXPECT_EQ(dialog.cmbReportName()->Text(), QStringLiteral("Earlier"));
        typeInto(dialog.cmbReportName(), kName);
        // The category is picked from the list of the cube's categories.
        ASSERT_EQ(dialog.cmbSuperCategory()->ListCount(), 1);
        typeInto(dialog.cmbSuperCategory(), QStringLiteral("F"));
        QTest::keyClick(dialog.cmbSuperCategory()->editWindow(), Qt::Key_Down);
        EXPECT_EQ(dialog.cmbSuperCategory()->Text(), QStringLiteral("Finance"));
        typeInto(dialog.cmbReportType(), QStringLiteral("Quarterly"));
        // A word made bold in the editor.
        QWidget* editor = dialog.ctlReportDescription()->ieeEditor();
        QTest::mouseClick(editor, Qt::LeftButton);
        QTest::keyClicks(editor, QStringLiteral("Costs by account"));
        QTest::keyClick(editor, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::mouseClick(dialog.ctlReportDescription()->fncFindButtonByTag(QStringLiteral("cmdBold")), Qt::LeftButton);
        keepScreenshot(dialog, QStringLiteral("save-report-filled"));
        QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });

    // The file, in the record layout: chart***pivot***view mode******description XYZ type XYZ category XYZ.
    const QByteArray bytes = FreshRun::bytesOf(reportFile(QStringLiteral("Budget"), kName));
    ASSERT_FALSE(bytes.isEmpty()) << reportFiles().join(QLatin1Char(' ')).toStdString()
                                  << gobjReport->ViewName.toStdString();
    const QString text = reports::reportrecord::decodeText(bytes, 1252);
    EXPECT_FALSE(bytes.startsWith("\xFF\xFE"));
    const QStringList fields = text.split(QStringLiteral("***"));
    ASSERT_EQ(fields.size(), 5);
    EXPECT_EQ(fields[0], QString(graphXml).replace(data.path(), QStringLiteral("XXX")));
    EXPECT_EQ(fields[1], QString(pivotXml).replace(data.path(), QStringLiteral("XXX")));
    EXPECT_EQ(fields[2], QStringLiteral("2"));
    EXPECT_EQ(fields[3], QString());
    const QStringList block = fields[4].split(QStringLiteral("XYZ"));
    ASSERT_EQ(block.size(), 4);
    EXPECT_EQ(block[1], QStringLiteral("Quarterly"));
    EXPECT_EQ(block[2], QStringLiteral("Finance"));
    EXPECT_EQ(block[3], QString());
    EXPECT_TRUE(block[0].contains(QStringLiteral("font-weight:700;\">account</span>"))) << block[0].toStdString();
    EXPECT_EQ(reports::reportrecord::encode(
                  *gobjReport, {reports::reportrecord::Layout::Components10And11, data.path(), gstrProvider}),
              bytes);

    // In the tree under its cube, category and type, selected, and the current report.
    const QString path = QStringLiteral("Budget\\Finance\\Quarterly\\") + kName;
    QTreeWidgetItem* node = reports::tree::fncGetNodeFromPath(path);
    ASSERT_TRUE(node);
    EXPECT_EQ(window->treReports()->currentItem(), node);
    EXPECT_EQ(gobjReport->ViewName, kName);
    EXPECT_EQ(gstrCubeName, QStringLiteral("Budget"));
    keepScreenshot(*window, QStringLiteral("report-window-after-save"));

    // Away to the other cube, then back to the report.
    window->treReports_NodeClick(reports::tree::fncGetNodeFromPath(QStringLiteral("Sales")));
    window->optBoth()->click();
    ASSERT_NE(arrangement(), arranged);
    window->treReports_NodeClick(node);
    EXPECT_EQ(arrangement(), arranged);
    EXPECT_EQ(window->pivReports()->ActiveView().TitleBar().Caption(), kName);
    EXPECT_TRUE(window->optPivot()->isChecked());
    pressSave([&](frmSaveReport& dialog) {
        EXPECT_EQ(dialog.cmbReportName()->Text(), kName);
        EXPECT_TRUE(dialog.lblExplainReplace()->isVisible());
        EXPECT_EQ(dialog.ctlReportDescription()->HTML(), block[0]);
    });
}

TEST_F(SavingRun, AnExistingNameInAnotherCaseWarnsAndReplacesThatFile)
{
    arrangePivot("Organisation", "Time", "Amount");
    saveDirectly(QStringLiteral("Budget Overview"), QString(), QString());
    window->treReports_NodeClick(reports::tree::fncGetNodeFromPath(QStringLiteral("Sales")));
    window->treReports_NodeClick(reports::tree::fncGetNodeFromPath(QStringLiteral("Budget")));
    arrangePivot("Account", "Time", "Bookings");
    const QByteArray before =
        FreshRun::bytesOf(reportFile(QStringLiteral("Budget"), QStringLiteral("Budget Overview")));

    pressSave([&](frmSaveReport& dialog) {
        typeInto(dialog.cmbReportName(), QStringLiteral("budget overview"));
        EXPECT_TRUE(dialog.lblExplainReplace()->isVisible());
        QTest::keyClick(dialog.cmbReportName()->editWindow(), Qt::Key_Backspace);
        EXPECT_FALSE(dialog.lblExplainReplace()->isVisible());
        QTest::keyClick(dialog.cmbReportName()->editWindow(), Qt::Key_W);
        EXPECT_TRUE(dialog.lblExplainReplace()->isVisible());
        QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(QDir(data.filePath(QStringLiteral("ReportsXP/Budget"))).entryList(QDir::Files),
              QStringList{QStringLiteral("Budget Overview.txt")});
    const QByteArray after = FreshRun::bytesOf(reportFile(QStringLiteral("Budget"), QStringLiteral("Budget Overview")));
    EXPECT_NE(after, before);
    EXPECT_TRUE(reports::reportrecord::decodeText(after, 1252).contains(QStringLiteral("Bookings")));
}

TEST_F(SavingRun, CancelAndTheCloseBoxWriteNothing)
{
    arrangePivot("Organisation", "Time", "Amount");
    saveDirectly(QStringLiteral("Kept"), QStringLiteral("Finance"), QString());
    const QStringList files = reportFiles();
    pressSave([&](frmSaveReport& dialog) {
        typeInto(dialog.cmbReportName(), QStringLiteral("Other"));
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    pressSave([&](frmSaveReport& dialog) {
        typeInto(dialog.cmbReportName(), QStringLiteral("Other"));
        dialog.close();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(reportFiles(), files);
}

}

namespace {

struct Refusal
{
    const char* what;
    std::function<void(frmSaveReport&)> fill;
    const QString* fieldCaption;   // the field the message names; nullptr: the name's own reason
    QString mentioned;             // also in the message
};

TEST_F(SavingRun, NamesAndFieldsTheReportFileCannotHoldAreRefusedAndTheDialogStaysOpen)
{
    using namespace modMultiLingual;
    arrangePivot("Organisation", "Time", "Amount");
    saveDirectly(QStringLiteral("Kept"), QStringLiteral("Finance"), QString());
    const reports::cOLAPReport current = *gobjReport;
    const QStringList files = reportFiles();

    const auto name = [](QString text) {
        return [text](frmSaveReport& dialog) { dialog.cmbReportName()->setText(text); };
    };
    const auto named = [](std::function<void(frmSaveReport&)> more) {
        return [more](frmSaveReport& dialog) {
            dialog.cmbReportName()->setText(QStringLiteral("Fine"));
            more(dialog);
        };
    };
    const Refusal refusals[] = {
        {"slash", name(QStringLiteral("a/b")), nullptr, QStringLiteral("/")},
        {"backslash", name(QStringLiteral("a\\b")), nullptr, QStringLiteral("\\")},
        {"dot", name(QStringLiteral(".")), nullptr, QStringLiteral(".")},
        {"dot dot", name(QStringLiteral("..")), nullptr, QStringLiteral("..")},
        {"NUL", name(QStringLiteral("a") + QChar(0) + QStringLiteral("b")), nullptr, QStringLiteral("control")},
        {"too long for a file name", name(QString(200, QChar(0xE9))), nullptr, QStringLiteral("long")},
        // The character that keeps cube and name apart in a report's key.
        {"unit separator", name(QStringLiteral("a") + QChar(0x1F) + QStringLiteral("b")), nullptr,
         QStringLiteral("control")},
        {"XYZ in the category",
         named([](frmSaveReport& d) { d.cmbSuperCategory()->setText(QStringLiteral("XYZ Ltd")); }), &LNGREPORTCATEGORY,
         QStringLiteral("XYZ")},
        {"stars in the type", named([](frmSaveReport& d) { d.cmbReportType()->setText(QStringLiteral("a***b")); }),
         &LNGREPORTTYPE, QStringLiteral("***")},
        {"XYZ inside a tag of the description", named([](frmSaveReport& d) {
             d.ctlReportDescription()->setHTML(QStringLiteral("<a href=\"http://x/XYZ\">x</a>"));
         }),
         &LNGDESCRIPTION, QStringLiteral("XYZ")},
    };
    for (const Refusal& refusal : refusals) {
        run.fakes.messageBox.shown.clear();
        pressSave([&](frmSaveReport& dialog) {
            refusal.fill(dialog);
            QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
            EXPECT_TRUE(dialog.isVisible()) << refusal.what;
        });
        ASSERT_EQ(run.fakes.messageBox.shown.size(), 1) << refusal.what;
        const QString message = run.fakes.messageBox.shown[0].text;
        if (refusal.fieldCaption) {
            EXPECT_TRUE(message.contains(*refusal.fieldCaption)) << refusal.what << ": " << message.toStdString();
        }
        EXPECT_TRUE(message.contains(refusal.mentioned)) << refusal.what << ": " << message.toStdString();
        EXPECT_EQ(reportFiles(), files) << refusal.what;
        EXPECT_EQ(gobjReport->ViewName, current.ViewName) << refusal.what;
        EXPECT_EQ(gobjReport->ReportCategory, current.ReportCategory) << refusal.what;
        EXPECT_EQ(gobjReport->PivotXML, current.PivotXML) << refusal.what;
    }
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

TEST_F(SavingRun, ANameIsOnlyTheFilesNameAndMayHoldTheRecordsSeparators)
{
    arrangePivot("Organisation", "Time", "Amount");
    for (const QString& name : {QStringLiteral("XYZ Corp"), QStringLiteral("Q1 *** XXX")}) {
        pressSave([&](frmSaveReport& dialog) {
            typeInto(dialog.cmbReportName(), name);
            QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible()) << name.toStdString();
        });
        ASSERT_TRUE(QFile::exists(reportFile(QStringLiteral("Budget"), name))) << name.toStdString();
        // Opened, the pivot table is titled with the name; saved again so, it reads back whole.
        window->treReports_NodeClick(reports::tree::fncGetNodeFromPath(QStringLiteral("Budget\\") + name));
        ASSERT_EQ(window->pivReports()->ActiveView().TitleBar().Caption(), name);
        const QString pivotXml = window->pivReports()->XMLData();
        saveDirectly(name, QString(), QString());
        // As the rebuilt tree read it back.
        const reports::cReportsDic& dic = *gobjReportsDic;
        EXPECT_TRUE(dic.SkippedFiles().isEmpty()) << dic.SkippedFiles().join(QLatin1Char(' ')).toStdString();
        ASSERT_TRUE(dic.dicViews.Exists(reports::reportKey(QStringLiteral("Budget"), name)));
        EXPECT_EQ(dic.dicViews.Item(reports::reportKey(QStringLiteral("Budget"), name))->PivotXML, pivotXml);
        EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
    }
}

TEST_F(SavingRun, ANameOfBlanksIsNoNameAndSavesNothing)
{
    const QStringList files = reportFiles();
    pressSave([&](frmSaveReport& dialog) {
        typeInto(dialog.cmbReportName(), QStringLiteral("   "));
        QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
    EXPECT_EQ(reportFiles(), files);
}

TEST_F(SavingRun, ADescriptionThatMentionsTheSeparatorsIsSavedAndShownUnchanged)
{
    arrangePivot("Organisation", "Time", "Amount");
    pressSave([&](frmSaveReport& dialog) {
        typeInto(dialog.cmbReportName(), QStringLiteral("Suppliers"));
        typeInto(dialog.cmbSuperCategory(), QStringLiteral("Purchasing"));
        QWidget* editor = dialog.ctlReportDescription()->ieeEditor();
        QTest::mouseClick(editor, Qt::LeftButton);
        typeText(editor, QStringLiteral("XYZ Ltd rated *** of 5"));
        QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    ASSERT_TRUE(gobjReport);
    EXPECT_EQ(gobjReport->ReportCategory, QStringLiteral("Purchasing"));
    EXPECT_TRUE(gobjReport->ReportDescription.contains(QStringLiteral("&#88;YZ Ltd rated &#42;** of 5")));
    pressSave([&](frmSaveReport& dialog) {
        auto* shown = static_cast<QTextEdit*>(dialog.ctlReportDescription()->ieeEditor());
        EXPECT_EQ(shown->toPlainText(), QStringLiteral("XYZ Ltd rated *** of 5"));
    });

    // Plain text typed in the source view shows as typed in the description window too.
    pressSave([&](frmSaveReport& dialog) {
        QTest::mouseClick(dialog.ctlReportDescription()->fncFindButtonByTag(QStringLiteral("cmdHTML")), Qt::LeftButton);
        QPlainTextEdit* source = dialog.ctlReportDescription()->txtHTML();
        QTest::mouseClick(source, Qt::LeftButton);
        QTest::keyClick(source, Qt::Key_A, Qt::ControlModifier);
        typeText(source, QStringLiteral("XYZ Ltd & Co"));
        QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(gobjReport->ReportCategory, QStringLiteral("Purchasing"));
    QTest::mouseClick(window->cmdInfo(), Qt::LeftButton);
    description::frmReportDescription* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<description::frmReportDescription*>(top))
            shown = found;
    }
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->brwWebBrowser->toPlainText(), QStringLiteral("XYZ Ltd & Co"));
}

TEST_F(SavingRun, AFailedWriteIsToldWithThePathAndChangesNothing)
{
    arrangePivot("Organisation", "Time", "Amount");
    saveDirectly(QStringLiteral("Kept"), QString(), QString());
    const reports::cOLAPReport current = *gobjReport;
    const QString folder = data.filePath(QStringLiteral("ReportsXP/Budget"));

    // A cube folder the program may not write to; the superuser may write anywhere.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool readOnlyHolds = !QFileInfo(folder).isWritable();
    // A cube folder that cannot be one: a file stands in its place.
    const auto blockFolder = [&] {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    };
    if (!readOnlyHolds)
        blockFolder();

    for (int attempt = 0; attempt < (readOnlyHolds ? 2 : 1); ++attempt) {
        run.fakes.messageBox.shown.clear();
        pressSave([&](frmSaveReport& dialog) {
            dialog.cmbReportName()->setText(QStringLiteral("New one"));
            QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
            EXPECT_TRUE(dialog.isVisible());
        });
        ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
        const QString message = run.fakes.messageBox.shown[0].text;
        EXPECT_TRUE(message.startsWith(modMultiLingual::LNGFAILEDSAVEREPORT)) << message.toStdString();
        // Where, and the system's reason why.
        EXPECT_TRUE(message.contains(folder + QStringLiteral("/New one.txt: "))) << message.toStdString();
        EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/New one.txt")));
        EXPECT_EQ(gobjReport->ViewName, current.ViewName);
        EXPECT_EQ(gobjReport->SourcePath, current.SourcePath);
        EXPECT_EQ(run.fakes.processEnd.ends, 0);
        if (readOnlyHolds)
            blockFolder();
    }
}

}

namespace {

// The window of the version 9 components, which keeps its chart type in the report.
class SavingRunVersion9 : public SavingRun
{
protected:
    void beforeStart() override
    {
        for (const char* progId : {"OWC11.ChartSpace", "OWC10.ChartSpace"})
            run.fakes.registry.removeKey(platform::Hive::ClassesRoot, QString::fromLatin1(progId));
    }
};

TEST_F(SavingRunVersion9, TheChosenChartTypeIsSaved)
{
    ASSERT_EQ(window->objectName(), QStringLiteral("frmStats2K"));
    arrangePivot("Organisation", "Time", "Amount");
    QComboBox* types = window->cmbGraphType();
    ASSERT_TRUE(types);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    QTest::keyClick(types, Qt::Key_Down);
    const int chosen = types->currentIndex();
    const int chartType = window->excChart()->Charts().Item(0).Type();

    pressSave([&](frmSaveReport& dialog) {
        dialog.cmbReportName()->setText(QStringLiteral("Bars"));
        QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    });
    const QStringList fields =
        reports::reportrecord::decodeText(
            FreshRun::bytesOf(reportFile(QStringLiteral("Budget"), QStringLiteral("Bars"), "Reports2K")), 1252)
            .split(QStringLiteral("***"));
    ASSERT_EQ(fields.size(), 5);
    EXPECT_EQ(fields[2], QString::number(chartType));
    EXPECT_EQ(fields[3], QString::number(chosen));
    EXPECT_NE(chosen, 0);
}

}
