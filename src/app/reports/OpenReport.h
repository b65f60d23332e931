#pragma once

class QTreeWidgetItem;

namespace reportwindow {
class ReportWindowView;
}

namespace reports {

// Opens what was clicked in the report tree: a report, a cube, or a folder (which moves
// the selection to its first report).
void subHandleNodeClick(QTreeWidgetItem* node, reportwindow::ReportWindowView* window);

}
