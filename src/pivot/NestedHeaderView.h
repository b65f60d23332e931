#pragma once

#include <QHeaderView>
#include <vector>

namespace pivot {

class PivotGridModel;

// A header that draws the nested members of a pivot axis: levels stacked (columns) or
// side by side (rows), cells of the same member merged, totals spanning the levels
// after them, and a +/- box on members that can be expanded or collapsed.
class NestedHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    NestedHeaderView(Qt::Orientation orientation, PivotGridModel* model, QWidget* parent = nullptr);

    // What lies under a point of the header, in slot (rows) or level (columns) terms.
    struct Hit
    {
        int section = -1;
        int position = -1;   // axis position of the section
        int slot = -1;       // axis slot; -1 on the data field level of the column header
        bool onIndicator = false;
    };
    Hit hitAt(const QPoint& point) const;

    // Recomputes slot widths and the level height after the model changed.
    void refit();
    // Widens a row slot to at least `width` (for the level name above it).
    void ensureSlotWidth(int slot, int width);
    int slotWidth(int slot) const { return slot < int(m_slotWidths.size()) ? m_slotWidths[size_t(slot)] : 0; }
    int levelHeight() const { return m_levelHeight; }

    QSize sizeHint() const override;

signals:
    void toggleRequested(int position, int slot);
    void contextRequested(const NestedHeaderView::Hit& hit, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Cell
    {
        QRect rect;   // the whole merged cell, in viewport coordinates
        QString text;
        bool total = false, expandable = false, expanded = false, measure = false;
    };
    // The cell covering (section, slot/level), or nothing when the slot is covered.
    bool cellAt(int section, int slot, Cell& cell) const;
    int slotOffset(int slot) const;
    int slotCountForPaint() const;
    QRect indicatorRect(const QRect& cellRect) const;

    PivotGridModel* m_model;
    std::vector<int> m_slotWidths;
    int m_levelHeight = 22;
};

}
