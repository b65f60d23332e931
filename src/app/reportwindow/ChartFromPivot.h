#pragma once

class QComboBox;

namespace chart {
class ChartSpace;
}
namespace pivot {
class PivotTable;
}

namespace reportwindow {

// The chart built from what the pivot table shows, and the chart type chosen in the
// version 9 window's list.
namespace chartfrompivot {

// Builds or rebuilds chart 0: the pivot columns as series, the rows as categories, and a
// shape by the number of data fields (one: values; two: scatter; three or more: bubbles).
// Every failing step is passed over.
void LoadChart(pivot::PivotTable& ptable, chart::ChartSpace& cspace);

// The chart-type list's entries with their chart types, none selected.
void fillGraphTypeList(QComboBox& list);

// Gives chart 0 the type selected in the list; a failure is shown in a plain box.
void subFixGraphType(chart::ChartSpace& excChart, const QComboBox& cmbGraphType);

}

}
