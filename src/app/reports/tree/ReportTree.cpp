#include "app/reports/tree/ReportTree.h"

#include "app/connections/StartupHooks.h"
#include "app/reports/OpenReport.h"
#include "app/reports/cReportsDic.h"
#include "app/reportwindow/ReportWindowView.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "lang/modMultiLingual.h"
#include "pivot/PivotTable.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>

namespace reports::tree {

using namespace modGlobals;

namespace {

constexpr int kImageRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
const char kNextIndexProperty[] = "nextNodeIndex";
const QChar kPathSeparator = QLatin1Char('\\');

// Nodes sort by text as the user reads them: letter case aside, digits by value.
class ReportTreeItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        return QString::localeAwareCompare(text(0).toCaseFolded(), other.text(0).toCaseFolded()) < 0;
    }
};

// The window's image list when it has one, else the desktop's own pictures.
QIcon imageOf(int image)
{
    const reportwindow::ReportWindowView* window = reportwindow::windowInUse();
    if (const reportwindow::TreeImageList* images = window ? window->imgCubeReports() : nullptr) {
        const QIcon icon = images->ListImages(image);
        if (!icon.isNull())
            return icon;
    }
    QStyle* style = QApplication::style();
    switch (image) {
    case CubeNode:
        return style->standardIcon(QStyle::SP_DriveHDIcon);
    case ReportNode:
        return style->standardIcon(QStyle::SP_FileIcon);
    default:
        return style->standardIcon(QStyle::SP_DirIcon);
    }
}

QTreeWidgetItem* addNode(QTreeWidget* tree, QTreeWidgetItem* parent, const QString& text, int image)
{
    const int index = tree->property(kNextIndexProperty).toInt() + 1;
    tree->setProperty(kNextIndexProperty, index);
    auto* node = parent ? new ReportTreeItem(parent) : new ReportTreeItem(tree);
    node->setText(0, text);
    node->setToolTip(0, text);   // the tree is narrow; long names are cut
    node->setIcon(0, imageOf(image));
    node->setData(0, kImageRole, image);
    node->setData(0, kIndexRole, index);
    return node;
}

void clearTree(QTreeWidget* tree)
{
    tree->clear();
    tree->setProperty(kNextIndexProperty, 0);
}

// Every node, in the order it was added.
QList<QTreeWidgetItem*> nodesByIndex(QTreeWidget* tree)
{
    QList<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        nodes.append(*it);
    std::sort(nodes.begin(), nodes.end(),
              [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return nodeIndex(a) < nodeIndex(b); });
    return nodes;
}

QTreeWidgetItem* rootOf(QTreeWidgetItem* node)
{
    while (node && node->parent())
        node = node->parent();
    return node;
}

QTreeWidget* requireTree()
{
    QTreeWidget* tree = reportTree();
    if (!tree)
        platform::raiseError(platform::err::ObjectRequired, QStringLiteral("Object required"),
                             QStringLiteral("treReports"));
    return tree;
}

// Opens a node as a click on it would.
void openNode(QTreeWidgetItem* node)
{
    reports::subHandleNodeClick(node, reportwindow::windowInUse());
}

// Report files and folders that cannot be read are passed over; the user hears of them once.
void tellSkippedFiles(const QStringList& skipped)
{
    static QStringList lastTold;
    if (skipped.isEmpty() || skipped == lastTold)
        return;
    lastTold = skipped;
    platform::services().messageBox->msgBox(
        QCoreApplication::translate("reports", "These report files and folders could not be read and were left out:")
            + QStringLiteral("\r\n\r\n") + skipped.join(QStringLiteral("\r\n")),
        platform::mb::vbExclamation, gstrAppTitle);
}

// Reading every cube's reports passes through each cube and report in turn; what the user
// has on screen stays current: the cube, and the report as the fresh dictionary holds it
// (the same object when the dictionary lacks it, none when there was none).
void keepCurrent(const QString& cube, const std::shared_ptr<cOLAPReport>& report)
{
    if (!cube.isEmpty())
        gstrCubeName = cube;
    gobjReport = report && gobjReportsDic->dicViews.Exists(report->Key()) ? gobjReportsDic->dicViews.Item(report->Key())
                                                                          : report;
}

}

QTreeWidget* reportTree()
{
    const reportwindow::ReportWindowView* window = reportwindow::windowInUse();
    return window ? window->treReports() : nullptr;
}

int nodeImage(const QTreeWidgetItem* node)
{
    return node ? node->data(0, kImageRole).toInt() : 0;
}

int nodeIndex(const QTreeWidgetItem* node)
{
    return node ? node->data(0, kIndexRole).toInt() : 0;
}

QString nodeFullPath(const QTreeWidgetItem* node)
{
    QStringList parts;
    for (; node; node = node->parent())
        parts.prepend(node->text(0));
    return parts.join(kPathSeparator);
}

void subFillReportTree()
{
    common::handled(QStringLiteral("subFillReportTree"), common::Message::Description, [] {
        QTreeWidget* tree = requireTree();
        const QString currentCube = gstrCubeName;
        const std::shared_ptr<cOLAPReport> currentReport = gobjReport;
        clearTree(tree);
        tree->setSortingEnabled(false);
        gobjReportsDic = std::make_shared<cReportsDic>();
        gobjReportsDic->GetReports();

        const auto reports = gobjReportsDic->dicViews.Items();
        if (gdicCubes.Count() > 1) {
            for (const QString& cube : gdicCubes.Keys())
                addNode(tree, nullptr, cube, CubeNode);
            for (const auto& report : reports) {
                gobjReport = report;
                subAddSubNode(fncFindNodeByText(tree, report->CubeName, 0, true));
            }
            tree->expandAll();
        } else {
            tree->setRootIsDecorated(true);
            for (const auto& report : reports) {
                gobjReport = report;
                subAddSubNode(nullptr);
            }
        }
        tree->setSortingEnabled(true);
        tree->sortItems(0, Qt::AscendingOrder);
        keepCurrent(currentCube, currentReport);
        tellSkippedFiles(gobjReportsDic->SkippedFiles());
    });
}

void subAddSubNode(QTreeWidgetItem* parent)
{
    common::handled(QStringLiteral("subAddSubNode"), common::Message::LastStep, [parent] {
        QTreeWidget* tree = requireTree();
        const cOLAPReport& report = *gobjReport;
        QTreeWidgetItem* folder = parent;
        if (!report.ReportCategory.isEmpty()) {
            QString path =
                (gdicCubes.Count() > 1 ? report.CubeName + kPathSeparator : QString()) + report.ReportCategory;
            QTreeWidgetItem* category = fncGetNodeFromPath(path);
            if (!category) {
                category = addNode(tree, parent, report.ReportCategory, FolderNode);
                category->setExpanded(true);
            }
            folder = category;
            if (!report.ReportType.isEmpty()) {
                path += kPathSeparator + report.ReportType;
                QTreeWidgetItem* type = fncGetNodeFromPath(path);
                if (!type) {
                    type = addNode(tree, category, report.ReportType, FolderNode);
                    type->setExpanded(true);
                }
                folder = type;
            }
        }
        addNode(tree, folder, report.ViewName, ReportNode);
        if (folder) {
            folder->sortChildren(0, Qt::AscendingOrder);
            folder->setExpanded(true);
        }
    });
}

QTreeWidgetItem* fncFindNodeByText(QTreeWidget* tree, const QString& text, int depth, bool showMessage)
{
    return common::handled(QStringLiteral("fncFindNodeByText"), common::Message::Description, [&] {
        for (QTreeWidgetItem* node : nodesByIndex(tree)) {
            if (node->text(0) == text && nodeFullPath(node).split(kPathSeparator).size() == depth + 1) {
                node->sortChildren(0, Qt::AscendingOrder);
                return node;
            }
        }
        if (showMessage)
            platform::services().messageBox->msgBox(QStringLiteral("Unable to find node ") + text,
                                                    platform::mb::vbOKOnly, QString());
        return static_cast<QTreeWidgetItem*>(nullptr);
    });
}

QTreeWidgetItem* fncGetNodeFromPath(const QString& path)
{
    return common::handled(QStringLiteral("fncGetNodeFromPath"), common::Message::LastStep, [&] {
        for (QTreeWidgetItem* node : nodesByIndex(requireTree())) {
            if (nodeFullPath(node) == path)
                return node;
        }
        return static_cast<QTreeWidgetItem*>(nullptr);
    });
}

QTreeWidgetItem* fncGetNextReportNode(int start)
{
    return common::handled(QStringLiteral("fncGetNextReportNode"), common::Message::LastStep, [start] {
        const QList<QTreeWidgetItem*> nodes = nodesByIndex(requireTree());
        if (nodes.size() == 1)
            return nodeImage(nodes.first()) == ReportNode ? nodes.first() : nullptr;
        for (QTreeWidgetItem* node : nodes) {
            if (nodeIndex(node) >= start && nodeImage(node) == ReportNode)
                return node;
        }
        return static_cast<QTreeWidgetItem*>(nullptr);
    });
}

void subSetDefaultSel()
{
    common::handled(QStringLiteral("subSetDefaultSel"), common::Message::Description, [] {
        QTreeWidget* tree = requireTree();
        tree->setSortingEnabled(true);
        const bool anyReport = gobjReportsDic && gobjReportsDic->dicViews.Count() > 0;
        const QList<QTreeWidgetItem*> nodes = nodesByIndex(tree);

        if (gdicCubes.Count() > 1) {
            QTreeWidgetItem* firstCube = rootOf(nodes.value(0));
            if (anyReport) {
                QTreeWidgetItem* child = firstCube->childCount() > 0 ? firstCube->child(0) : nullptr;
                // A first cube without reports is opened itself, and shows as the selection.
                tree->setCurrentItem(child ? child : firstCube);
                gstrCubeName = gdicCubes.Keys().first();
                openNode(child ? fncGetNextReportNode(nodeIndex(child)) : firstCube);
            } else {
                gstrCubeName = firstCube->text(0);
                tree->setCurrentItem(firstCube);
                openNode(firstCube);
            }
            return;
        }
        if (!nodes.isEmpty()) {
            QTreeWidgetItem* first = fncGetNextReportNode(1);
            if (first)
                tree->setCurrentItem(first);
            openNode(tree->currentItem());
            return;
        }
        if (gdicCubes.Count() == 0) {
            // Nothing to bind: say so instead of failing on a first cube that is not there.
            platform::services().messageBox->msgBox(
                QCoreApplication::translate("reports", "No cube was found in %1.").arg(gstrDataPath)
                    + QStringLiteral("\r\n")
                    + QCoreApplication::translate(
                        "reports", "Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt."),
                platform::mb::vbInformation, gstrAppTitle);
            return;
        }
        const QString cube = gdicCubes.Keys().first();
        gstrCubeFile = cube + QStringLiteral(".cub");
        gstrCubeName = cube;
        const reportwindow::ReportWindowView* window = reportwindow::windowInUse();
        QWidget* pivot = window ? window->pivReports() : nullptr;
        connections::hooks().bindPivotTable(pivot);
        if (pivot)
            pivot->setFocus();
    });
}

void subHandleRemoveClick(reportwindow::ReportWindowView* window)
{
    common::handled(QStringLiteral("subHandleRemoveClick"), common::Message::Description, [window] {
        QTreeWidget* tree = window ? window->treReports() : nullptr;
        QTreeWidgetItem* node = tree ? tree->currentItem() : nullptr;
        const QString text = node ? node->text(0) : QString();
        if (text.isEmpty())
            return;
        if (platform::services().messageBox->msgBox(modMultiLingual::LNGREMOVEREPORT,
                                                    platform::mb::vbYesNo | platform::mb::vbQuestion, gstrAppTitle)
            != platform::mb::vbYes)
            return;
        // The report of the selected node's own cube, never one of the same name elsewhere;
        // a folder that shares a report's name removes nothing.
        if (nodeImage(node) != ReportNode || !gobjReportsDic)
            return;
        const QString cube = gdicCubes.Count() > 1 ? rootOf(node)->text(0) : gdicCubes.Keys().value(0);
        if (!gobjReportsDic->dicViews.Exists(reportKey(cube, text)))
            return;
        const auto report = gobjReportsDic->dicViews.Item(reportKey(cube, text));
        // The view stays on screen, but no report holds it any more: a save makes a new report
        // of the cube on screen, and no other report's description is offered.
        if (gobjReportsDic->RemoveReport(report->CubeName, text)) {
            gobjReport.reset();
            if (QPushButton* info = window->cmdInfo())
                info->hide();
        }
        subFillReportTree();
    });
}

}
