#pragma once

#include "olap/CubeSource.h"

#include <QDialog>

class QTableWidget;

namespace pivot {

// The fact rows behind one cell of the pivot, in a window of their own.
class DetailsView : public QDialog
{
    Q_OBJECT
public:
    DetailsView(const QString& title, const olap::DetailRows& rows, QWidget* parent = nullptr);
    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table;
};

}
