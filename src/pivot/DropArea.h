#pragma once

#include "pivot/FieldChip.h"

#include <QFrame>

class QHBoxLayout;
class QLabel;

namespace pivot {

// The filter, row, column or data area: the fields standing there as chips, in order.
class DropArea : public QFrame
{
    Q_OBJECT
public:
    struct Entry
    {
        FieldRef field;
        QString caption;
        bool filtered = false;
    };

    DropArea(Area area, const QString& caption, const QString& placeholder, QWidget* parent = nullptr);
    Area area() const { return m_area; }
    void setEntries(const QVector<Entry>& entries);
    QList<FieldChip*> chips() const;
    // Where a field dropped at `pos` would go.
    int insertIndexAt(const QPoint& pos) const;

signals:
    void placeRequested(const pivot::FieldRef& field, pivot::Area area, int index);
    void removeRequested(const pivot::FieldRef& field);
    void filterRequested(const pivot::FieldRef& field);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool accepts(const FieldRef& field) const;
    void setHighlighted(bool on);
    static Qt::DropAction dropActionFor(const QDropEvent& event);

    Area m_area;
    QHBoxLayout* m_layout;
    QLabel* m_placeholder;
};

}
