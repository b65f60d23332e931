#pragma once

class QWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The report window's tree of saved reports, grouped by cube, category and type.
namespace modReportTree {

// Node images of the tree.
enum NodeImage { CubeNode = 1, ReportNode = 2, FolderNode = 3 };

// Rebuilds the report dictionary and the tree of the report window in use.
void subFillReportTree();
// Selects and opens the first report (or cube) after the window's first fill.
void subSetDefaultSel();
// The remove button of the given report window.
void subHandleRemoveClick(QWidget* window);

}
