#include "app/startup/DefaultSeams.h"

#include "app/description/subHandleInfoClick.h"
#include "app/output/modPrintOut.h"
#include "app/output/subSavePicture.h"
#include "app/reports/OpenReport.h"
#include "app/reports/tree/ReportTree.h"
#include "app/savereport/frmSaveReport.h"

namespace startup {

reportwindow::Seams defaultSeams()
{
    using reportwindow::ReportWindowView;
    return reportwindow::Seams{
        [] { reports::tree::subFillReportTree(); },
        [] { reports::tree::subSetDefaultSel(); },
        [](ReportWindowView* window) { reports::tree::subHandleRemoveClick(window); },
        [](QTreeWidgetItem* node, ReportWindowView* window) { reports::subHandleNodeClick(node, window); },
        [](QWidget* owner) { savereport::showSaveReport(owner); },
        [] { description::subHandleInfoClick(); },
        [](const QString& path, int height, int width) { output::subSavePicture(path, height, width); },
        [] { output::modPrintOut::subPrintOut(); },
    };
}

}
