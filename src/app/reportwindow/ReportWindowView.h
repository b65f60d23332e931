#pragma once

#include "app/reportwindow/WindowLayout.h"
#include "platform/Notify.h"
#include "platform/VbError.h"

#include <QIcon>
#include <QObject>
#include <QString>

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace chart {
class ChartSpace;
}
namespace pivot {
class PivotTable;
}

namespace reportwindow {

// The node pictures of the report tree: 1 cube, 2 report, 3 folder.
class TreeImageList : public QObject
{
public:
    explicit TreeImageList(QObject* parent);
    // An empty icon for an index outside 1 to 3.
    QIcon ListImages(int index) const;
};

// What the procedures of other modules reach in the report window. The accessors carry
// the names the controls have on the window (their object names, which the caption
// translation and the tests also use), so that a misspelt control is a compile error
// and not an error 438 that an ignore-errors step swallows at run time.
// The report window implements it; tests give a small window of their own.
class ReportWindowView
{
public:
    virtual ~ReportWindowView() = default;

    virtual QMainWindow* form() = 0;

    virtual QTreeWidget* treReports() const = 0;
    // Null in a window without one.
    virtual TreeImageList* imgCubeReports() const = 0;
    // Null until the window is loaded.
    virtual pivot::PivotTable* pivReports() const = 0;
    virtual chart::ChartSpace* excChart() const = 0;
    virtual QRadioButton* optBoth() const = 0;
    virtual QRadioButton* optPivot() const = 0;
    virtual QRadioButton* optGraph() const = 0;
    virtual QPushButton* cmdAddReport() const = 0;
    virtual QPushButton* cmdRemoveReport() const = 0;
    virtual QPushButton* cmdInfo() const = 0;
    // Only in the version 9 window.
    virtual QComboBox* cmbGraphType() const = 0;
    virtual QLabel* lblReports() const = 0;
    virtual QLabel* lblWebLink() const = 0;
    virtual QLabel* imgLogo() const = 0;
    virtual QMenu* mnuTools() const = 0;
    virtual QAction* mnuSavePicture() const = 0;
    virtual QAction* mnuPrint() const = 0;
    virtual QMenu* mnuHelp() const = 0;

    // excChart.DataSource = pivReports.
    virtual void bindChartToPivot() = 0;
};

// The typed view of a window, or nullptr for none or a window that is no report window.
ReportWindowView* viewOf(QObject* window);
// The report window in use (gfrmStats), or nullptr when there is none; a caller that cannot go
// on without it raises its own error.
ReportWindowView* windowInUse();

// The view's option buttons as a view mode; the chart alone when neither of the others is set.
windowlayout::ViewMode viewMode(const ReportWindowView& view);
// Checks the mode's option button. Raised, its click handler runs when that changes the
// choice, as a click would.
void chooseViewMode(ReportWindowView& view, windowlayout::ViewMode mode, platform::Notify notify);
// Selects an entry of the chart-type list (error 424 without one, 380 for an entry it does
// not have). Raised, the list's click handler runs when that changes the selection.
void chooseGraphType(ReportWindowView& view, int entry, platform::Notify notify);

// The control, or error 424 naming it when the window has none.
template<class T>
T& present(T* control, const char* name)
{
    if (!control)
        platform::raiseError(platform::err::ObjectRequired, QStringLiteral("Object required"),
                             QString::fromLatin1(name));
    return *control;
}

}
