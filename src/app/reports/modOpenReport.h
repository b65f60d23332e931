#pragma once

class QWidget;
class QTreeWidgetItem;

namespace reports {

namespace modOpenReport {

// Opens what was clicked in the report tree: a report, a cube, or a folder (which moves
// the selection to its first report).
void subHandleNodeClick(QTreeWidgetItem* node, QWidget* window);

}

} // namespace reports
