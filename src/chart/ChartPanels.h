#pragma once

#include <QWidget>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTreeWidget;
QT_END_NAMESPACE

namespace chart {

class ChartCollection;
class ChartDataSource;

// The field list beside the chart: which fields of the data source give the series, the
// categories and the values.
class ChartFieldList : public QWidget
{
    Q_OBJECT
public:
    explicit ChartFieldList(QWidget* parent = nullptr);
    void showSource(const ChartDataSource* source);

private:
    QTreeWidget* m_tree;
};

// The property toolbox: type, legend and title of the first chart.
class ChartPropertyToolbox : public QWidget
{
    Q_OBJECT
public:
    explicit ChartPropertyToolbox(ChartCollection& charts, QWidget* parent = nullptr);
    // Shows the first chart's current settings.
    void refresh();

private:
    void apply();

    ChartCollection& m_charts;
    QComboBox* m_type;
    QCheckBox* m_legend;
    QCheckBox* m_hasTitle;
    QLineEdit* m_title;
    bool m_refreshing = false;
};

}
