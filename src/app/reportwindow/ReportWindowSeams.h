#pragma once

#include <QString>
#include <functional>

class QTreeWidgetItem;
class QWidget;

namespace reportwindow {
class ReportWindowView;
}

// What the report window's handlers call in other modules (startup::defaultSeams() has the
// program's calls). The program context installs them; tests replace them to watch the window.
namespace reportwindow {

struct Seams
{
    std::function<void()> fillReportTree;                                                   // subFillReportTree
    std::function<void()> setDefaultSel;                                                    // subSetDefaultSel
    std::function<void(ReportWindowView* window)> handleRemoveClick;                        // subHandleRemoveClick
    std::function<void(QTreeWidgetItem* node, ReportWindowView* window)> handleNodeClick;   // subHandleNodeClick
    std::function<void(QWidget* owner)> showSaveReport;                                     // frmSaveReport, modal
    std::function<void()> handleInfoClick;                                                  // subHandleInfoClick
    std::function<void(const QString& path, int height, int width)> savePicture;            // subSavePicture
    std::function<void()> printOut;                                                         // subPrintOut
};

// The calls installed; none until the program context is.
Seams& seams();

}
