#include "app/reports/modOpenReport.h"

#include "app/reports/cReportsDic.h"
#include "app/reports/tree/modReportTree.h"
#include "app/reportwindow/GraphTypeList.h"
#include "app/startup/StartupHooks.h"
#include "app/startup/subFixControls.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "lang/modMultiLingual.h"
#include "pivot/PivotTable.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTreeWidget>

namespace reports {

using namespace state::modGlobals;

namespace modOpenReport {

namespace {

template<class T>
T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        platform::raiseError(platform::err::MemberNotSupported,
                             QStringLiteral("Object doesn't support this property or method"), QString::fromLatin1(name));
    return found;
}

void tellUser(const QString& text)
{
    platform::services().messageBox->msgBox(text, platform::mb::vbCritical, gstrAppTitle);
}

// Choosing a view runs the option button's click handler, as a click would.
void chooseView(QWidget* window, const char* option)
{
    auto* button = control<QAbstractButton>(window, option);
    button->setChecked(true);
    emit button->clicked(true);
}

void openCube(QTreeWidgetItem* node, QWidget* window)
{
    common::ResumeNext skip;
    gstrCubeName = node->text(0);
    gstrCubeFile = gbServerMode ? node->text(0) : node->text(0) + QStringLiteral(".cub");
    skip.run([&] { startup::hooks().bindPivotTable(control<QWidget>(window, "pivReports")); });
    skip.run([&] { control<QWidget>(window, "cmdInfo")->hide(); });
    skip.run([&] { chooseView(window, "optBoth"); });
    if (gbOWCXP)
        skip.run([&] { control<chart::ChartSpace>(window, "excChart")->setDisplayFieldList(true); });
    skip.run([&] { control<chart::ChartSpace>(window, "excChart")->setHasChartSpaceTitle(false); });
    skip.run([&] { control<pivot::PivotTable>(window, "pivReports")->setDisplayFieldList(true); });
    gobjReport.reset();
}

void openReport(const QString& name, QWidget* window)
{
    common::ResumeNext skip;
    const QString key = reportKey(gstrCubeName, name);
    if (!gobjReportsDic || !gobjReportsDic->dicViews.Exists(key)) {
        tellUser(QStringLiteral("Unable to open report ") + name + QStringLiteral(" within cube ") + gstrCubeName);
        return;
    }
    const std::shared_ptr<cOLAPReport> report = gobjReportsDic->dicViews.Item(key);
    gobjReport = report;
    gstrCubeName = report->CubeName;
    skip.run([&] { control<QWidget>(window, "cmdInfo")->show(); });

    const auto chartTitleOff = [&] {
        skip.run([&] { control<chart::ChartSpace>(window, "excChart")->setHasChartSpaceTitle(false); });
    };
    switch (report->ViewType) {
    case 1:
        skip.run([&] { chooseView(window, "optBoth"); });
        chartTitleOff();
        break;
    case 2:
        skip.run([&] { chooseView(window, "optPivot"); });
        chartTitleOff();
        break;
    case 3:
        skip.run([&] { chooseView(window, "optGraph"); });
        break;
    default:
        break;
    }

    try {
        control<pivot::PivotTable>(window, "pivReports")->setXMLData(report->PivotXML);
    } catch (const platform::VbError& error) {
        if (error.number() == platform::err::NoInterface) {
            // The refused report is not on screen: kept current, a later save would write the
            // view that is there over it. As after a cube node, no report is current.
            gobjReport.reset();
            skip.run([&] { control<QWidget>(window, "cmdInfo")->hide(); });
            tellUser(modMultiLingual::LNGFAILEDTOGETREPORT);
            return;
        }
        // The layout is restored over an empty pivot table; the user hears why it is empty.
        tellUser(modMultiLingual::LNGFAILEDTOGETREPORT + QStringLiteral("\r\n") + error.description());
    }
    skip.run([&] {
        auto* pivot = control<pivot::PivotTable>(window, "pivReports");
        pivot->ActiveView().TitleBar().setCaption(name);
        pivot->setDisplayPropertyToolbox(false);
        pivot->setDisplayFieldList(false);
    });
    if (gbOWCXP) {
        skip.run([&] {
            auto* chart = control<chart::ChartSpace>(window, "excChart");
            chart->setXMLData(report->GraphXML);
            chart->setDisplayFieldList(false);
            chart->setDisplayPropertyToolbox(false);
        });
    } else {
        skip.run([&] {
            if (!QMetaObject::invokeMethod(window, "bindChartToPivot"))
                platform::raiseError(platform::err::MemberNotSupported, QStringLiteral("No chart binding"));
        });
    }
    if (report->ViewType == 3) {
        skip.run([&] {
            auto* chart = control<chart::ChartSpace>(window, "excChart");
            chart->setHasChartSpaceTitle(true);
            chart->ChartSpaceTitle().setCaption(name);
        });
    }
    skip.run([] { startup::modMain::subFixControls(); });

    if (!gbOWCXP) {
        common::ResumeNext chartType;
        chartType.run([&] {
            control<chart::ChartSpace>(window, "excChart")->Charts().Item(0).setType(report->GraphType);
            const int entry = report->GraphListIndex > -1 ? report->GraphListIndex : reportwindow::GraphTypeList::kDefaultEntry;
            auto* list = control<QComboBox>(window, "cmbGraphType");
            if (entry >= list->count())
                platform::raiseError(platform::err::InvalidPropertyValue, QStringLiteral("Invalid property value"));
            list->setCurrentIndex(entry);
        });
        if (chartType.pending())
            tellUser(modMultiLingual::LNGFAILEDTOGETREPORT);
    }
}

}

void subHandleNodeClick(QTreeWidgetItem* node, QWidget* window)
{
    if (!node || !window)
        return;
    if (tree::modReportTree::nodeImage(node) == tree::modReportTree::FolderNode) {
        if (auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("treReports")))
            tree->setCurrentItem(tree::modReportTree::fncGetNextReportNode(tree::modReportTree::nodeIndex(node)));
        return;
    }
    const QString path = tree::modReportTree::nodeFullPath(node);
    if (gdicCubes.Count() == 1) {
        gstrCubeName = gdicCubes.Keys().first();
    } else if (path.contains(QLatin1Char('\\'))) {
        gstrCubeName = path.section(QLatin1Char('\\'), 0, 0);
    } else {
        openCube(node, window);
        return;
    }
    openReport(node->text(0), window);
}

}

} // namespace reports
