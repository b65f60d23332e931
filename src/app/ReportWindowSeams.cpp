#include "app/ReportWindowSeams.h"

#include "app/modOpenReport.h"
#include "app/modReportTree.h"

namespace reportwindow {

Seams defaultSeams()
{
    return Seams{
        [] { modReportTree::subFillReportTree(); },
        [] { modReportTree::subSetDefaultSel(); },
        [](QWidget* window) { modReportTree::subHandleRemoveClick(window); },
        [](QTreeWidgetItem* node, QWidget* window) { modOpenReport::subHandleNodeClick(node, window); },
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
