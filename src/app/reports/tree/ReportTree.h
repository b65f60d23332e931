#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace reportwindow {
class ReportWindowView;
}

// The report window's tree of saved reports, grouped by cube, category and type. Nodes
// carry an image (cube, report, folder) and the index in which they were added, from 1.
namespace reports::tree {

enum NodeImage { CubeNode = 1, ReportNode = 2, FolderNode = 3 };

// Rebuilds the report dictionary and the tree of the report window in use; files that
// could not be read are named in one message. The current cube and report stay current
// (the report as read afresh).
void subFillReportTree();
// Adds gobjReport under `parent` (nullptr: the root level) with its category and type folders.
void subAddSubNode(QTreeWidgetItem* parent);
// The first node, in adding order, with that text and `depth` ancestors.
QTreeWidgetItem* fncFindNodeByText(QTreeWidget* tree, const QString& text, int depth, bool showMessage);
// The first node of the report window's tree whose full path is `path`, letter case included.
QTreeWidgetItem* fncGetNodeFromPath(const QString& path);
// The first report node whose index is `start` or later, in adding order.
QTreeWidgetItem* fncGetNextReportNode(int start);
// Selects and opens the first report (or cube) after the window's first fill.
void subSetDefaultSel();
// The remove button of the given report window.
void subHandleRemoveClick(reportwindow::ReportWindowView* window);

// Node properties, for the routines that open and search the tree.
int nodeImage(const QTreeWidgetItem* node);
int nodeIndex(const QTreeWidgetItem* node);
QString nodeFullPath(const QTreeWidgetItem* node);
// The report window's tree, or nullptr before there is one.
QTreeWidget* reportTree();

}
