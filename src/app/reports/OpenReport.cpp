#include "app/reports/OpenReport.h"

#include "app/connections/ReportSource.h"
#include "app/connections/StartupHooks.h"
#include "app/reports/cReportsDic.h"
#include "app/reports/tree/ReportTree.h"
#include "app/reportwindow/GraphTypeList.h"
#include "app/reportwindow/ReportWindowView.h"
#include "app/reportwindow/subFixControls.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "lang/modMultiLingual.h"
#include "pivot/PivotTable.h"
#include "pivot/PivotXml.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QPushButton>
#include <QTreeWidget>

namespace reports {

using namespace modGlobals;

namespace {

using reportwindow::present;
using reportwindow::ReportWindowView;
using ViewMode = reportwindow::windowlayout::ViewMode;
using platform::Notify;

void tellUser(const QString& text)
{
    platform::services().messageBox->msgBox(text, platform::mb::vbCritical, gstrAppTitle);
}

pivot::PivotTable& pivReports(ReportWindowView& window)
{
    return present(window.pivReports(), "pivReports");
}

chart::ChartSpace& excChart(ReportWindowView& window)
{
    return present(window.excChart(), "excChart");
}

void openCube(QTreeWidgetItem* node, ReportWindowView& window)
{
    common::ResumeNext skip;
    gstrCubeName = node->text(0);
    gstrCubeFile = gbServerMode ? node->text(0) : node->text(0) + QStringLiteral(".cub");
    skip.run([&] { connections::hooks().bindPivotTable(&pivReports(window)); });
    skip.run([&] { present(window.cmdInfo(), "cmdInfo").hide(); });
    skip.run([&] { reportwindow::chooseViewMode(window, ViewMode::Both, Notify::Raise); });
    if (gbOWCXP)
        skip.run([&] { excChart(window).setDisplayFieldList(true); });
    skip.run([&] { excChart(window).setHasChartSpaceTitle(false); });
    skip.run([&] { pivReports(window).setDisplayFieldList(true); });
    gobjReport.reset();
}

void openReport(const QString& name, ReportWindowView& window)
{
    common::ResumeNext skip;
    const QString key = reportKey(gstrCubeName, name);
    if (!gobjReportsDic || !gobjReportsDic->dicViews.Exists(key)) {
        tellUser(QStringLiteral("Unable to open report ") + name + QStringLiteral(" within cube ") + gstrCubeName);
        return;
    }
    const std::shared_ptr<cOLAPReport> report = gobjReportsDic->dicViews.Item(key);
    // Checked before anything changes: a report that would connect elsewhere is not opened.
    const std::optional<pivot::PivotState> stored = pivot::readPivotXml(report->PivotXML);
    const QString refused =
        stored ? connections::reportsource::refusal(name, report->CubeName, stored->connectionString) : QString();
    if (!refused.isEmpty()) {
        tellUser(refused);
        return;
    }
    gobjReport = report;
    gstrCubeName = report->CubeName;
    skip.run([&] { present(window.cmdInfo(), "cmdInfo").show(); });

    const auto chartTitleOff = [&] { skip.run([&] { excChart(window).setHasChartSpaceTitle(false); }); };
    switch (report->ViewType) {
    case 1:
        skip.run([&] { reportwindow::chooseViewMode(window, ViewMode::Both, Notify::Raise); });
        chartTitleOff();
        break;
    case 2:
        skip.run([&] { reportwindow::chooseViewMode(window, ViewMode::Pivot, Notify::Raise); });
        chartTitleOff();
        break;
    case 3:
        skip.run([&] { reportwindow::chooseViewMode(window, ViewMode::Graph, Notify::Raise); });
        break;
    default:
        break;
    }

    try {
        pivReports(window).setXMLData(report->PivotXML);
    } catch (const platform::VbError& error) {
        if (error.number() == platform::err::NoInterface) {
            // The refused report is not on screen: kept current, a later save would write the
            // view that is there over it. As after a cube node, no report is current.
            gobjReport.reset();
            skip.run([&] { present(window.cmdInfo(), "cmdInfo").hide(); });
            tellUser(modMultiLingual::LNGFAILEDTOGETREPORT);
            return;
        }
        // The layout is restored over an empty pivot table; the user hears why it is empty.
        tellUser(modMultiLingual::LNGFAILEDTOGETREPORT + QStringLiteral("\r\n") + error.description());
    }
    skip.run([&] {
        pivot::PivotTable& pivot = pivReports(window);
        pivot.ActiveView().TitleBar().setCaption(name);
        pivot.setDisplayPropertyToolbox(false);
        pivot.setDisplayFieldList(false);
    });
    if (gbOWCXP) {
        skip.run([&] {
            chart::ChartSpace& chart = excChart(window);
            chart.setXMLData(report->GraphXML);
            chart.setDisplayFieldList(false);
            chart.setDisplayPropertyToolbox(false);
        });
    } else {
        skip.run([&] { window.bindChartToPivot(); });
    }
    if (report->ViewType == 3) {
        skip.run([&] {
            chart::ChartSpace& chart = excChart(window);
            chart.setHasChartSpaceTitle(true);
            chart.ChartSpaceTitle().setCaption(name);
        });
    }
    skip.run([] { modMain::subFixControls(); });

    if (!gbOWCXP) {
        common::ResumeNext chartType;
        chartType.run([&] {
            excChart(window).Charts().Item(0).setType(report->GraphType);
            const int entry =
                report->GraphListIndex > -1 ? report->GraphListIndex : reportwindow::graphtypelist::kDefaultEntry;
            reportwindow::chooseGraphType(window, entry, Notify::Raise);
        });
        if (chartType.pending())
            tellUser(modMultiLingual::LNGFAILEDTOGETREPORT);
    }
}

}

void subHandleNodeClick(QTreeWidgetItem* node, ReportWindowView* window)
{
    if (!node || !window)
        return;
    if (tree::nodeImage(node) == tree::FolderNode) {
        if (QTreeWidget* tree = window->treReports())
            tree->setCurrentItem(tree::fncGetNextReportNode(tree::nodeIndex(node)));
        return;
    }
    const QString path = tree::nodeFullPath(node);
    if (gdicCubes.Count() == 1) {
        gstrCubeName = gdicCubes.Keys().first();
    } else if (path.contains(QLatin1Char('\\'))) {
        gstrCubeName = path.section(QLatin1Char('\\'), 0, 0);
    } else {
        openCube(node, *window);
        return;
    }
    openReport(node->text(0), *window);
}

}
