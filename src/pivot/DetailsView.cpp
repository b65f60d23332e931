#include "pivot/DetailsView.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pivot {

DetailsView::DetailsView(const QString& title, const olap::DetailRows& rows, QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(int(rows.rows.size()), int(rows.columns.size()), this))
{
    setWindowTitle(QCoreApplication::translate("pivot", "Details: %1").arg(title));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_table->setHorizontalHeaderLabels(rows.columns);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    for (int r = 0; r < rows.rows.size(); ++r)
        for (int c = 0; c < rows.rows[r].size() && c < rows.columns.size(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setData(Qt::DisplayRole, rows.rows[r][c]);
            m_table->setItem(r, c, item);
        }
    m_table->resizeColumnsToContents();
    layout->addWidget(m_table, 1);
    const QString count = rows.truncated
        ? QCoreApplication::translate("pivot", "The first %1 rows are shown.").arg(rows.rows.size())
        : QCoreApplication::translate("pivot", "%1 rows.").arg(rows.rows.size());
    layout->addWidget(new QLabel(count, this));
    resize(640, 400);
}

}
