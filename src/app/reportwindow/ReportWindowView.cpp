#include "app/reportwindow/ReportWindowView.h"

#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "pivot/PivotTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace reportwindow {

ReportWindowView* viewOf(QObject* window)
{
    return dynamic_cast<ReportWindowView*>(window);
}

ReportWindowView* windowInUse()
{
    return viewOf(modGlobals::gfrmStats);
}

windowlayout::ViewMode viewMode(const ReportWindowView& view)
{
    if (present(view.optBoth(), "optBoth").isChecked())
        return windowlayout::ViewMode::Both;
    if (present(view.optPivot(), "optPivot").isChecked())
        return windowlayout::ViewMode::Pivot;
    return windowlayout::ViewMode::Graph;
}

void chooseViewMode(ReportWindowView& view, windowlayout::ViewMode mode, platform::Notify notify)
{
    // The buttons are exclusive: the one that is unchecked would tell of it too.
    const bool quiet = notify == platform::Notify::Quiet;
    const QSignalBlocker quietBoth(quiet ? view.optBoth() : nullptr);
    const QSignalBlocker quietPivot(quiet ? view.optPivot() : nullptr);
    const QSignalBlocker quietGraph(quiet ? view.optGraph() : nullptr);
    switch (mode) {
    case windowlayout::ViewMode::Both:
        present(view.optBoth(), "optBoth").setChecked(true);
        break;
    case windowlayout::ViewMode::Pivot:
        present(view.optPivot(), "optPivot").setChecked(true);
        break;
    case windowlayout::ViewMode::Graph:
        present(view.optGraph(), "optGraph").setChecked(true);
        break;
    }
}

void chooseGraphType(ReportWindowView& view, int entry, platform::Notify notify)
{
    QComboBox& list = present(view.cmbGraphType(), "cmbGraphType");
    if (entry < -1 || entry >= list.count())
        platform::raiseError(platform::err::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    const QSignalBlocker quiet(notify == platform::Notify::Quiet ? &list : nullptr);
    list.setCurrentIndex(entry);
}

}
