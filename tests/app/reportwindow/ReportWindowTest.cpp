#include "app/reportwindow/ReportWindowTestSupport.h"

#include "app/reportwindow/PivotChartSource.h"
#include "chart/ChartDataSource.h"
#include "chart/ChartSpace.h"
#include "common/ProgramConfig.h"
#include "pivot/PivotTable.h"
#include "platform/ComponentRegistry.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace reportwindow;

namespace {

class ReportWindowTest : public ::testing::Test
{
protected:
    ReportWindowRun r;
};

bool filledSoon(const QStringList& calls)
{
    return QTest::qWaitFor([&] { return calls.contains(QStringLiteral("default")); }, 5000);
}

}

TEST_F(ReportWindowTest, NewerWindowsFillTheTreeAndBindTheChartOnceWhenTheTimerFires)
{
    for (const char* name : {"frmStats2003", "frmStatsXP"}) {
        r.calls.clear();
        ReportWindow* window = r.load(name);
        window->show();
        EXPECT_TRUE(r.calls.isEmpty()) << name;
        EXPECT_EQ(window->excChart()->DataSource(), nullptr) << name;
        ASSERT_TRUE(window->timGetData()->isActive()) << name;
        EXPECT_EQ(window->timGetData()->interval(), 200);
        EXPECT_TRUE(window->timGetData()->isSingleShot());
        EXPECT_TRUE(window->pivReports()->AllowDetails());

        ASSERT_TRUE(filledSoon(r.calls)) << name;
        QTest::qWait(250);   // a second firing would have come by now
        EXPECT_EQ(r.calls, (QStringList{QStringLiteral("fill"), QStringLiteral("default")})) << name;
        EXPECT_EQ(window->excChart()->DataSource(), PivotChartSource::of(*window->pivReports()));
        delete window;
    }
}

TEST_F(ReportWindowTest, VersionNineFillsTheTreeAndAddsItsChartWhileLoading)
{
    ReportWindow* window = r.load("frmStats2K");
    EXPECT_EQ(r.calls, (QStringList{QStringLiteral("fill"), QStringLiteral("default")}));
    EXPECT_FALSE(window->timGetData()->isActive());
    EXPECT_EQ(window->excChart()->DataSource(), PivotChartSource::of(*window->pivReports()));
    EXPECT_EQ(window->excChart()->Charts().Count(), 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessaline Tool for Excel"));

    window->show();
    QTest::qWait(250);
    EXPECT_EQ(r.calls.size(), 2);

    // Opening a report binds the chart again through the window's typed view.
    window->excChart()->setDataSource(nullptr);
    static_cast<ReportWindowView*>(window)->bindChartToPivot();
    EXPECT_EQ(window->excChart()->DataSource(), PivotChartSource::of(*window->pivReports()));
}

TEST_F(ReportWindowTest, ReportCommandsWaitForTheFirstFill)
{
    ReportWindow* window = r.load("frmStatsXP");
    window->show();
    QTest::mouseClick(window->cmdAddReport(), Qt::LeftButton);
    QTest::mouseClick(window->cmdRemoveReport(), Qt::LeftButton);
    EXPECT_FALSE(window->mnuSavePicture()->isEnabled());
    EXPECT_FALSE(window->mnuPrint()->isEnabled());
    EXPECT_TRUE(r.calls.isEmpty());

    ASSERT_TRUE(filledSoon(r.calls));
    r.calls.clear();
    QTest::mouseClick(window->cmdAddReport(), Qt::LeftButton);
    QTest::mouseClick(window->cmdRemoveReport(), Qt::LeftButton);
    window->mnuSavePicture()->trigger();
    window->mnuPrint()->trigger();
    EXPECT_EQ(r.calls,
              (QStringList{QStringLiteral("save"), QStringLiteral("remove"), QStringLiteral("picture"),
                           QStringLiteral("print")}));
}

TEST_F(ReportWindowTest, ClosingEndsTheProgramInOrderInEveryProfileWhileAnotherWindowIsOpen)
{
    for (const char* name : {"frmStats2003", "frmStatsXP", "frmStats2K"}) {
        r.run.fakes.processEnd.ends = 0;
        common::startFreshRun();   // each profile is a run of its own
        ReportWindow* window = r.load(name);
        window->show();
        QWidget description;
        description.show();
        EXPECT_EQ(r.run.fakes.forms.count(), 2) << name;
        EXPECT_TRUE(window->close()) << name;
        EXPECT_EQ(r.run.fakes.processEnd.ends, 1) << name;
        EXPECT_FALSE(description.isVisible()) << name;
        EXPECT_EQ(r.run.fakes.forms.count(), 0) << name;
    }
}

TEST_F(ReportWindowTest, TheWindowClosedByTheProgramsEndDoesNotEndItASecondTime)
{
    r.run.fakes.processEnd.ends = 0;
    r.load("frmStatsXP")->show();
    EXPECT_TRUE(r.run.ends([] { modMain::subEndProgram(); }));
    EXPECT_EQ(r.run.fakes.processEnd.ends, 1);
    EXPECT_EQ(r.run.fakes.forms.count(), 0);
}

TEST_F(ReportWindowTest, ComponentsThatCannotServeTheWindowOfferTheDownloadAndEnd)
{
    platform::ComponentRegistry::instance().registerFactory(QStringLiteral("OWC10.PivotTable"),
                                                            [] { return std::make_unique<QObject>(); });
    r.run.fakes.messageBox.answers = {platform::mb::vbYes};
    EXPECT_TRUE(r.run.ends([&] { r.load("frmStatsXP"); }));
    ASSERT_EQ(r.run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(r.run.fakes.messageBox.shown[0].text,
              QStringLiteral("Unable to start the MS Office Web Components!\r\nPlease download these FREE components "
                             "from Microsoft Download.\r\nDo you want to go to that website now?"));
    EXPECT_EQ(r.run.fakes.urlOpener.urls, QStringList{config::webComponentsDownloadPage()});
    EXPECT_TRUE(modErroHandling::gstrErrorReport.isEmpty());
    EXPECT_EQ(r.run.fakes.processEnd.lastExitCode, 1);   // no error report, but an end for a failure

    // Answering No: the shutdown notice instead of the page.
    r.run.fakes.messageBox.shown.clear();
    r.run.fakes.urlOpener.urls.clear();
    EXPECT_TRUE(r.run.ends([&] { r.load("frmStatsXP"); }));
    ASSERT_EQ(r.run.fakes.messageBox.shown.size(), 2);
    EXPECT_EQ(r.run.fakes.messageBox.shown[1].text, QStringLiteral("Tessaline Tool for Excel will now shut down!"));
    EXPECT_EQ(r.run.fakes.messageBox.shown[1].style, platform::mb::vbInformation);
    EXPECT_TRUE(r.run.fakes.urlOpener.urls.isEmpty());
}

TEST_F(ReportWindowTest, OtherLoadFailuresGoToTheErrorReportUnderTheWindowsName)
{
    platform::ComponentRegistry::instance().registerFactory(QStringLiteral("OWC.Chart"), [] {
        platform::raiseError(platform::err::PermissionDenied, QStringLiteral("Permission denied"));
        return std::unique_ptr<QObject>();
    });
    EXPECT_TRUE(r.run.ends([&] { r.load("frmStats2K"); }));
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("frmStats2K.Form_Load")));
    EXPECT_EQ(r.run.fakes.processEnd.lastExitCode, 1);
}

TEST_F(ReportWindowTest, TheZeroSwitchShowsAndHidesEmptyRowsAndColumns)
{
    ReportWindow* window = r.load("frmStatsXP");
    pivot::PivotView& view = window->pivReports()->ActiveView();
    window->chkDisplayZeroValues()->setChecked(true);
    EXPECT_TRUE(view.RowAxis()->DisplayEmptyMembers());
    EXPECT_TRUE(view.ColumnAxis()->DisplayEmptyMembers());
    EXPECT_EQ(modErroHandling::fncGetLastStep(), QStringLiteral("Changing the option Display Zeros"));
    window->chkDisplayZeroValues()->setChecked(false);
    EXPECT_FALSE(view.RowAxis()->DisplayEmptyMembers());
    EXPECT_FALSE(view.ColumnAxis()->DisplayEmptyMembers());
}

TEST_F(ReportWindowTest, TheInfoButtonActsOnlyInTheNewestWindow)
{
    for (const char* name : {"frmStatsXP", "frmStats2K", "frmStats2003"}) {
        ReportWindow* window = r.load(name);
        window->cmdInfo()->click();
        EXPECT_EQ(r.calls.count(QStringLiteral("info")), QLatin1String(name) == QLatin1String("frmStats2003") ? 1 : 0)
            << name;
        delete window;
    }
}

TEST_F(ReportWindowTest, ControlsCarryTheirNamesAndTheDrillButtonIsHidden)
{
    ReportWindow* window = r.load("frmStats2003");
    // The controls the typed view does not give (its own are checked by name below).
    for (const char* name : {"chkDisplayZeroValues", "imgBG", "timGetData", "mnuZelbrin"})
        EXPECT_NE(window->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(window->findChild<QObject*>(QStringLiteral("cmbGraphType")), nullptr);
    EXPECT_TRUE(window->treReports()->isHeaderHidden());
    EXPECT_EQ(window->cmdAddReport()->toolTip(), QStringLiteral("Saves the current report as a new report"));
    EXPECT_TRUE(window->optBoth()->isChecked());
    EXPECT_FALSE(window->chkDisplayZeroValues()->isChecked());
    EXPECT_EQ(window->cmdInfo()->iconSize(), QSize(16, 16));   // at 96 dpi
    window->show();
    EXPECT_FALSE(window->cmdDrillThrough()->isVisible());
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_FALSE(window->imgCubeReports()->ListImages(2).isNull());
}

// The procedures reach the controls through the typed view, the caption translation and
// the tests by name: each accessor must give the control that carries its name.
TEST_F(ReportWindowTest, TheTypedViewAndTheControlNamesAgreeInEveryWindow)
{
    for (const char* name : {"frmStats2003", "frmStatsXP", "frmStats2K"}) {
        ReportWindow* window = r.load(name);
        const ReportWindowView& view = *window;
        const std::pair<const char*, const QObject*> controls[] = {
            {"treReports", view.treReports()},
            {"imgCubeReports", view.imgCubeReports()},
            {"pivReports", view.pivReports()},
            {"excChart", view.excChart()},
            {"optBoth", view.optBoth()},
            {"optPivot", view.optPivot()},
            {"optGraph", view.optGraph()},
            {"cmdAddReport", view.cmdAddReport()},
            {"cmdRemoveReport", view.cmdRemoveReport()},
            {"cmdInfo", view.cmdInfo()},
            {"cmbGraphType", view.cmbGraphType()},
            {"lblReports", view.lblReports()},
            {"lblWebLink", view.lblWebLink()},
            {"imgLogo", view.imgLogo()},
            {"mnuTools", view.mnuTools()},
            {"mnuSavePicture", view.mnuSavePicture()},
            {"mnuPrint", view.mnuPrint()},
            {"mnuHelp", view.mnuHelp()},
        };
        for (const auto& [control, object] : controls)
            EXPECT_EQ(window->findChild<QObject*>(QString::fromLatin1(control)), object) << name << " " << control;
        EXPECT_EQ(view.cmbGraphType() != nullptr, QLatin1String(name) == QLatin1String("frmStats2K")) << name;
        EXPECT_EQ(viewOf(window), &view);
        EXPECT_EQ(windowInUse(), &view) << name;   // the window loaded is the one in use
        delete window;
        EXPECT_EQ(windowInUse(), nullptr) << name;
    }
}

TEST_F(ReportWindowTest, TheWebLinksOpenTheMakersPages)
{
    ReportWindow* window = r.load("frmStatsXP");
    emit window->lblWebLink()->linkActivated(QStringLiteral("home"));
    window->mnuZelbrin()->trigger();
    EXPECT_EQ(r.run.fakes.urlOpener.urls, (QStringList{config::makerHomePage(), config::productPage()}));
}

TEST_F(ReportWindowTest, OnlyVersionNineRebuildsTheChartAfterEachQuery)
{
    ReportWindow* old = r.load("frmStats2K");
    emit old->pivReports()->QueryComplete();
    EXPECT_TRUE(old->excChart()->Charts()(0).HasTitle());
    delete old;

    ReportWindow* newer = r.load("frmStatsXP");
    emit newer->pivReports()->QueryComplete();
    EXPECT_EQ(newer->excChart()->Charts().Count(), 0);
}

TEST_F(ReportWindowTest, ANodeClickHandsTheNodeToTheOpeningOfReports)
{
    ReportWindow* window = r.load("frmStats2003");
    auto* node = new QTreeWidgetItem(window->treReports(), QStringList{QStringLiteral("Q1")});
    window->show();
    const QRect where = window->treReports()->visualItemRect(node);
    QTest::mouseClick(window->treReports()->viewport(), Qt::LeftButton, {}, where.center());
    EXPECT_EQ(r.calls.count(QStringLiteral("node")), 1);
}

TEST_F(ReportWindowTest, EnterOnTheTreeOpensTheNodeTheKeysReached)
{
    reportwindow::ReportWindow* window = r.load("frmStats2003");
    QTreeWidget* tree = window->treReports();
    auto* first = new QTreeWidgetItem(tree, QStringList{QStringLiteral("Q1")});
    auto* second = new QTreeWidgetItem(tree, QStringList{QStringLiteral("Q2")});
    QTreeWidgetItem* opened = nullptr;
    reportwindow::seams().handleNodeClick = [&](QTreeWidgetItem* node, reportwindow::ReportWindowView*) {
        opened = node;
    };
    window->show();
    tree->setFocus();
    tree->setCurrentItem(first);
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(opened, nullptr);   // moving only selects
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(opened, second);
    opened = nullptr;
    QTest::keyClick(tree, Qt::Key_Up);
    QTest::keyClick(tree, Qt::Key_Enter);
    EXPECT_EQ(opened, first);
}

TEST_F(ReportWindowTest, AnOutdatedComponentOnTheZeroSwitchIsAQuestionInTheVersionTenWindowOnly)
{
    const auto failingQuery = [](ReportWindow* window) {
        QObject::connect(window->pivReports(), &pivot::PivotTable::dataChanged, window,
                         [] { platform::raiseError(platform::err::Unspecified, QStringLiteral("Unspecified error")); });
    };
    ReportWindow* xp = r.load("frmStatsXP");
    failingQuery(xp);
    r.run.fakes.messageBox.answers = {platform::mb::vbYes};
    EXPECT_FALSE(r.run.ends([&] { xp->chkDisplayZeroValues()->setChecked(true); }));
    ASSERT_EQ(r.run.fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(r.run.fakes.messageBox.shown[0].text.startsWith(
        QStringLiteral("You have an outdated version of the MS Office Web Components!\r\n")));
    EXPECT_EQ(r.run.fakes.urlOpener.urls, QStringList{config::webComponentsDownloadPage()});
    EXPECT_TRUE(modErroHandling::gstrErrorReport.isEmpty());
    delete xp;

    ReportWindow* newest = r.load("frmStats2003");
    failingQuery(newest);
    newest->chkDisplayZeroValues()->setChecked(true);
    EXPECT_EQ(r.run.fakes.processEnd.lastExitCode, 1);
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("frmStats2003.chkDisplayZeroValues_Click")));
}
