#pragma once

#include "olap/CubeSource.h"
#include "pivot/PivotLayout.h"

#include <QHash>
#include <QTableView>
#include <QTimer>

namespace pivot {

class NestedHeaderView;
class PivotGridModel;

// The grid of a pivot result: nested row and column headers around the data cells.
// It turns what the user does on it into requests; the pivot table decides what they
// change and queries again.
class PivotGridView : public QTableView
{
    Q_OBJECT
public:
    explicit PivotGridView(PivotGridModel* model, QWidget* parent = nullptr);
    // What the totals switches of the header menus show; the pivot table keeps them.
    void setAxisTotals(Area area, bool subtotals, bool grandTotal);

    NestedHeaderView* rowHeader() const { return m_rowHeader; }
    NestedHeaderView* columnHeader() const { return m_columnHeader; }
    PivotGridModel* pivotModel() const { return m_model; }

    // Fits the header slots and the column widths to the current result: the columns on
    // screen at once, the others in slices from the event loop.
    void fitToContents();
    // The selected rectangle as tab-separated text (the whole grid when nothing is selected).
    QString selectionAsTsv() const;
    void copySelection() const;
    void setDetailsAllowed(bool allowed) { m_detailsAllowed = allowed; }
    // Level names shown in the corner: above each row slot, and beside each column slot.
    void setSlotCaptions(const QStringList& rowSlots, const QStringList& columnSlots);
    const QStringList& rowSlotCaptions() const { return m_rowSlotCaptions; }
    const QStringList& columnSlotCaptions() const { return m_columnSlotCaptions; }

signals:
    void memberToggleRequested(pivot::Area area, int position, int slot);
    void levelExpandRequested(pivot::Area area, int slot, bool expanded);
    void labelSortRequested(pivot::Area area, olap::SortOrder order);
    // Order the axis `area` by the values of one position of the other axis.
    void valueSortRequested(pivot::Area area, int measure, olap::SortOrder order);
    void filterRequested(pivot::Area area, int slot);
    void detailsRequested(int row, int column);
    void totalsRequested(pivot::Area area, bool subtotals, bool grandTotal);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHeaderMenu(Area area, int position, int slot, int section, const QPoint& globalPos);
    void fitColumns(int first, int end);
    void fitNextColumns();
    static constexpr int ColumnSlice = 20;

    PivotGridModel* m_model;
    NestedHeaderView* m_rowHeader;
    NestedHeaderView* m_columnHeader;
    void paintCorner(QWidget* corner) const;
    QString columnKey(int column) const;
    void toggleInnermost(int row, bool expand);

    bool m_detailsAllowed = false;
    QWidget* m_corner = nullptr;
    QStringList m_rowSlotCaptions;
    QStringList m_columnSlotCaptions;
    // Widths the user dragged, by column label, kept across queries.
    QHash<QString, int> m_userWidths;
    bool m_fitting = false;
    QTimer m_fitTimer;
    int m_unfittedFrom = 0;
    struct Totals
    {
        bool subtotals = true, grandTotal = true;
    };
    Totals m_totals[2];   // rows, columns
};

}
