#pragma once

#include "pivot/PivotLayout.h"

#include <QToolButton>

namespace pivot {

// One field standing in a drop area: dragged to move it (off every area to remove
// it), with a menu and keys for the same.
class FieldChip : public QToolButton
{
    Q_OBJECT
public:
    FieldChip(const FieldRef& field, const QString& caption, Area area, bool filtered, QWidget* parent = nullptr);
    const FieldRef& field() const { return m_field; }
    bool isDragging() const { return m_dragging; }
    // The area was rebuilt while this chip's drag runs: it goes once the drag is over.
    void retireAfterDrag() { m_retired = true; }

signals:
    void placeRequested(const pivot::FieldRef& field, pivot::Area area, int index);
    void removeRequested(const pivot::FieldRef& field);
    void filterRequested(const pivot::FieldRef& field);
    void moveRequested(const pivot::FieldRef& field, int delta);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    FieldRef m_field;
    Area m_area;
    QPoint m_pressPos;
    bool m_dragging = false;
    bool m_retired = false;
};

}
