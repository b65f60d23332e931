#include "app/savereport/ReportSaver.h"

#include "app/reports/ReportRecord.h"
#include "app/reports/cOLAPReport.h"
#include "app/reports/cReportsDic.h"
#include "app/reports/tree/ReportTree.h"
#include "app/savereport/SaveReportRules.h"
#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "app/state/modGlobals.h"
#include "lang/modMultiLingual.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QTreeWidget>

using namespace modGlobals;

namespace savereport {

namespace {

void tellUser(const QString& text)
{
    platform::services().messageBox->msgBox(text, platform::mb::vbExclamation, gstrAppTitle);
}

// The first reason the choice cannot be stored, in the order of the dialog's fields. The
// name is only the file's name (the components' XML hides the separators of any title), so
// it need only make a file of the cube's folder; category and type are fields of the record.
QString refusalOf(const QString& name, const SaveChoice& choice)
{
    using namespace modMultiLingual;
    if (const QString unsafe = reports::reportrecord::unsafeReportNameReason(name); !unsafe.isEmpty())
        return unsafe;
    for (const auto& [caption, value] :
         {std::pair{LNGREPORTCATEGORY, choice.category}, std::pair{LNGREPORTTYPE, choice.type}}) {
        const QString refusal = separatorRefusal(caption, value);
        if (!refusal.isEmpty())
            return refusal;
    }
    return {};
}

// The path of a report's node in the tree: its cube (when there are several), its
// category and, under a category, its type.
QString nodePath(const reports::cOLAPReport& report)
{
    QStringList parts;
    if (gdicCubes.Count() > 1)
        parts << report.CubeName;
    if (!report.ReportCategory.isEmpty()) {
        parts << report.ReportCategory;
        if (!report.ReportType.isEmpty())
            parts << report.ReportType;
    }
    parts << report.ViewName;
    return parts.join(QLatin1Char('\\'));
}

// The rebuilt tree keeps the saved report current; its node shows it selected.
void selectNodeOf(const reports::cOLAPReport& saved)
{
    QTreeWidget* tree = reports::tree::reportTree();
    if (QTreeWidgetItem* node = tree ? reports::tree::fncGetNodeFromPath(nodePath(saved)) : nullptr)
        tree->setCurrentItem(node);
}

}

bool reportExists(const QString& name)
{
    return gobjReportsDic && gobjReportsDic->dicViews.Exists(reports::reportKey(gstrCubeName, name));
}

SaveOutcome saveCurrentView(const SaveChoice& choice, const ViewState& view)
{
    const QString name = storedReportName(choice.name);
    if (name.isEmpty())
        return SaveOutcome::NoName;
    if (const QString refusal = refusalOf(name, choice); !refusal.isEmpty()) {
        tellUser(refusal);
        return SaveOutcome::Refused;
    }
    reports::cOLAPReport report = gobjReport ? *gobjReport : reports::cOLAPReport();
    if (choice.description != htmleditor::kEmptyTemplate) {
        const StoredDescription description = storedDescription(choice.description, modMultiLingual::LNGDESCRIPTION);
        if (!description.refusal.isEmpty()) {
            tellUser(description.refusal);
            return SaveOutcome::Refused;
        }
        report.ReportDescription = description.html;
    }
    report.ViewName = name;
    report.GraphXML = view.graphXml;
    report.PivotXML = view.pivotXml;
    report.ViewType = choice.viewType;
    report.CubeName = gstrCubeName;
    report.ReportCategory = choice.category;
    report.ReportType = choice.type;
    // The chart type the user chose is part of a version 9 report.
    if (!gbOWCXP) {
        report.GraphType = view.graphType;
        report.GraphListIndex = view.graphListIndex;
    }
    if (!report.SaveReport())
        return SaveOutcome::Failed;

    if (gobjReport)
        *gobjReport = report;
    else
        gobjReport = std::make_shared<reports::cOLAPReport>(report);
    reports::tree::subFillReportTree();
    if (gobjReport)
        selectNodeOf(*gobjReport);
    return SaveOutcome::Saved;
}

}
