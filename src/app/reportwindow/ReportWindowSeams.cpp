#include "app/reportwindow/ReportWindowSeams.h"

#include "app/reports/modOpenReport.h"
#include "app/reports/tree/modReportTree.h"

namespace reportwindow {

Seams defaultSeams()
{
    return Seams{
        [] { reports::tree::modReportTree::subFillReportTree(); },
        [] { reports::tree::modReportTree::subSetDefaultSel(); },
        [](QWidget* window) { reports::tree::modReportTree::subHandleRemoveClick(window); },
        [](QTreeWidgetItem* node, QWidget* window) { reports::modOpenReport::subHandleNodeClick(node, window); },
        [](QWidget*) {},
        [] {},
        [](const QString&, int, int) {},
        [] {},
    };
}

Seams& seams()
{
    static Seams installed = defaultSeams();
    return installed;
}

}
