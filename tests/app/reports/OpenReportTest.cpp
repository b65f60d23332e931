#include "app/reportwindow/ReportWindowTestSupport.h"

#include "app/reports/cOLAPReport.h"
#include "app/reports/cReportsDic.h"
#include "app/reports/modOpenReport.h"
#include "common/modScriptingDic.h"
#include "platform/MessageBox.h"

#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace state::modGlobals;

namespace {

std::shared_ptr<reports::cOLAPReport> report(const QString& cube, const QString& name, const QString& pivotXml)
{
    auto r = std::make_shared<reports::cOLAPReport>();
    r->CubeName = cube;
    r->ViewName = name;
    r->ViewType = 1;
    r->PivotXML = pivotXml;
    return r;
}

}

TEST(OpenReport, AReportWhosePivotStateIsRefusedIsNotLeftCurrent)
{
    ReportWindowRun r;
    modMultiLingual::LNGFAILEDTOGETREPORT = QStringLiteral("Unable to get the report");
    reportwindow::ReportWindow* window = r.load("frmStatsXP");
    window->show();
    gdicCubes = modScriptingDic::fncCreateDic<QString>();
    gdicCubes.Add(QStringLiteral("Sales"), QStringLiteral("Sales.cub"));
    gdicCubes.Add(QStringLiteral("Budget"), QStringLiteral("Budget.cub"));
    gobjReportsDic = std::make_shared<reports::cReportsDic>();
    const auto broken = report(QStringLiteral("Sales"), QStringLiteral("Broken"), QStringLiteral("<no pivot/>"));
    gobjReportsDic->dicViews.Add(reports::reportKey(QStringLiteral("Sales"), QStringLiteral("Broken")), broken);
    // Another report was open before, its info button showing.
    gobjReport = report(QStringLiteral("Sales"), QStringLiteral("Earlier"), QString());
    window->cmdInfo()->show();

    auto* cube = new QTreeWidgetItem(window->treReports(), QStringList{QStringLiteral("Sales")});
    auto* node = new QTreeWidgetItem(cube, QStringList{QStringLiteral("Broken")});
    reports::modOpenReport::subHandleNodeClick(node, window);

    ASSERT_EQ(r.run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(r.run.fakes.messageBox.shown[0].text, modMultiLingual::LNGFAILEDTOGETREPORT);
    EXPECT_EQ(r.run.fakes.messageBox.shown[0].style, platform::mb::vbCritical);
    EXPECT_EQ(gobjReport, nullptr);
    EXPECT_FALSE(window->cmdInfo()->isVisible());
}
