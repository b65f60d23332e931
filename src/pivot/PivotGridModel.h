#pragma once

#include "pivot/HeaderLayout.h"
#include "pivot/PivotResult.h"

#include <QAbstractTableModel>
#include <QFont>
#include <memory>

namespace pivot {

// The data cells of a pivot result: one row per row position, one column per column
// position and data field. Values are formatted only when a view asks for them, and the
// headers come laid out with the result, so showing a result of any size costs no more
// than a reset.
class PivotGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role { ValueRole = Qt::UserRole + 1, TotalRole };

    using Result = PivotResult;

    explicit PivotGridModel(QObject* parent = nullptr);

    void setResult(Result result);
    // Shows a result that others hold too (the pivot table's controller).
    void setResult(std::shared_ptr<const Result> result);
    // The data fields' captions and formats, which change without a new query.
    void setDataFields(const QStringList& captions, const QStringList& numberFormats);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const olap::CellSet& cellSet() const;
    const HeaderLayout& rowHeaders() const { return m_result->rows; }
    const HeaderLayout& columnHeaders() const { return m_result->columns; }
    int measureCount() const { return int(m_captions.size()); }
    const QStringList& measureCaptions() const { return m_captions; }
    // Column header levels: the column slots, then one for the data field captions.
    int columnLevelCount() const { return m_result->columns.slotCount() + 1; }
    int columnPosition(int column) const { return measureCount() ? column / measureCount() : column; }
    int columnMeasure(int column) const { return measureCount() ? column % measureCount() : 0; }
    QString columnHeaderText(int column, int level) const;
    bool isTotalColumn(int column) const;
    bool isTotalRow(int row) const { return m_result->rows.isTotal(row); }

    // The cells of a rectangle with their row and column labels, as tab-separated lines
    // that a spreadsheet pastes into the same shape.
    QString toTsv(int top, int left, int bottom, int right) const;

private:
    QString rowHeaderText(int row, int slot) const;

    std::shared_ptr<const Result> m_result = std::make_shared<const Result>();
    QStringList m_captions;
    QStringList m_formats;
    QFont m_totalFont;
};

}
