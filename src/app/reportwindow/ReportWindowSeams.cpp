#include "app/reportwindow/ReportWindowSeams.h"

#include "app/reports/modOpenReport.h"
#include "app/reports/tree/modReportTree.h"

namespace reportwindow {

Seams defaultSeams()
{
    namespace modReportTree = reports::tree::modReportTree;
    return Seams{
        [] { modReportTree::subFillReportTree(); },
        [] { modReportTree::subSetDefaultSel(); },
        [](ReportWindowView* window) { modReportTree::subHandleRemoveClick(window); },
        [](QTreeWidgetItem* node, ReportWindowView* window) { reports::modOpenReport::subHandleNodeClick(node, window); },
        [](QWidget*) {},
        [] {},
        [](const QString&, int, int) {},
        [] {},
    };
}

Seams& seams()
{
    static Seams installed;
    return installed;
}

}
