#include "app/reportwindow/ReportWindowView.h"

#include "chart/ChartSpace.h"
#include "pivot/PivotTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace reportwindow {

ReportWindowView* viewOf(QObject* window)
{
    return dynamic_cast<ReportWindowView*>(window);
}

WindowLayout::ViewMode viewMode(const ReportWindowView& view)
{
    if (present(view.optBoth(), "optBoth").isChecked())
        return WindowLayout::ViewMode::Both;
    if (present(view.optPivot(), "optPivot").isChecked())
        return WindowLayout::ViewMode::Pivot;
    return WindowLayout::ViewMode::Graph;
}

void chooseViewMode(ReportWindowView& view, WindowLayout::ViewMode mode)
{
    switch (mode) {
    case WindowLayout::ViewMode::Both:
        present(view.optBoth(), "optBoth").setChecked(true);
        break;
    case WindowLayout::ViewMode::Pivot:
        present(view.optPivot(), "optPivot").setChecked(true);
        break;
    case WindowLayout::ViewMode::Graph:
        present(view.optGraph(), "optGraph").setChecked(true);
        break;
    }
}

}
