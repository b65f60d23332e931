#include "chart/ChartPanels.h"

#include "chart/ChartDataSource.h"
#include "chart/ChartModel.h"
#include "chart/ChartTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace chart {

ChartFieldList::ChartFieldList(QWidget* parent) : QWidget(parent), m_tree(new QTreeWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    m_tree->setHeaderLabel(QCoreApplication::translate("chart", "Chart fields"));
    m_tree->setRootIsDecorated(true);
    setMinimumWidth(140);
    setMaximumWidth(200);
}

void ChartFieldList::showSource(const ChartDataSource* source)
{
    m_tree->clear();
    const auto group = [this](const QString& title, const QStringList& fields) {
        auto* item = new QTreeWidgetItem(m_tree, QStringList{title});
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
        for (const QString& field : fields)
            new QTreeWidgetItem(item, QStringList{field});
        item->setExpanded(true);
    };
    group(QCoreApplication::translate("chart", "Series"), source ? source->columnFieldCaptions() : QStringList());
    group(QCoreApplication::translate("chart", "Categories"), source ? source->rowFieldCaptions() : QStringList());
    group(QCoreApplication::translate("chart", "Values"), source ? source->measureCaptions() : QStringList());
}

ChartPropertyToolbox::ChartPropertyToolbox(ChartCollection& charts, QWidget* parent)
    : QWidget(parent)
    , m_charts(charts)
    , m_type(new QComboBox(this))
    , m_legend(new QCheckBox(QCoreApplication::translate("chart", "Legend"), this))
    , m_hasTitle(new QCheckBox(QCoreApplication::translate("chart", "Title"), this))
    , m_title(new QLineEdit(this))
{
    for (const ChartTypeTraits& type : allChartTypes())
        m_type->addItem(QCoreApplication::translate("chart", type.name), type.number);
    auto* layout = new QFormLayout(this);
    layout->addRow(QCoreApplication::translate("chart", "Type"), m_type);
    layout->addRow(m_legend);
    layout->addRow(m_hasTitle, m_title);
    setMaximumWidth(220);
    connect(m_type, &QComboBox::currentIndexChanged, this, &ChartPropertyToolbox::apply);
    connect(m_legend, &QCheckBox::toggled, this, &ChartPropertyToolbox::apply);
    connect(m_hasTitle, &QCheckBox::toggled, this, &ChartPropertyToolbox::apply);
    connect(m_title, &QLineEdit::editingFinished, this, &ChartPropertyToolbox::apply);
    refresh();
}

void ChartPropertyToolbox::refresh()
{
    // The controls' own signals must not write back what they are only being shown.
    const QScopedValueRollback refreshing(m_refreshing, true);
    const bool any = m_charts.Count() > 0;
    setEnabled(any);
    if (any) {
        const ChChart& chart = m_charts.Item(0);
        m_type->setCurrentIndex(m_type->findData(chart.Type()));
        m_legend->setChecked(chart.HasLegend());
        m_hasTitle->setChecked(chart.HasTitle());
        if (!m_title->hasFocus())
            m_title->setText(chart.Title().Caption());
    }
}

void ChartPropertyToolbox::apply()
{
    if (m_refreshing || m_charts.Count() == 0)
        return;
    ChChart& chart = m_charts.Item(0);
    chart.setType(m_type->currentData().toInt());
    chart.setHasLegend(m_legend->isChecked());
    chart.setHasTitle(m_hasTitle->isChecked());
    chart.Title().setCaption(m_title->text());
}

}
