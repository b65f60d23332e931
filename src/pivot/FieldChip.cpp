#include "pivot/FieldChip.h"

#include "pivot/FieldMime.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>

namespace pivot {

FieldChip::FieldChip(const FieldRef& field, const QString& caption, Area area, bool filtered, QWidget* parent)
    : QToolButton(parent), m_field(field), m_area(area)
{
    setText(filtered ? caption + QStringLiteral(" \u25BE*") : (area == Area::Data ? caption : caption + QStringLiteral(" \u25BE")));
    setToolTip(tr("Drag to move, drag off the pivot table to remove; right-click for more"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoRaise(false);
    setStyleSheet(QStringLiteral("QToolButton { background: #e8eef7; border: 1px solid #9fb3cf; border-radius: 3px;"
                                 " padding: 2px 6px; } QToolButton:focus { border: 1px solid #2a5db0; }"));
    if (area != Area::Data)
        connect(this, &QToolButton::clicked, this, [this] { emit filterRequested(m_field); });
}

void FieldChip::mousePressEvent(QMouseEvent* event)
{
    m_pressPos = event->position().toPoint();
    QToolButton::mousePressEvent(event);
}

void FieldChip::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)
        || (event->position().toPoint() - m_pressPos).manhattanLength() < QApplication::startDragDistance()) {
        QToolButton::mouseMoveEvent(event);
        return;
    }
    setDown(false);
    auto* drag = new QDrag(this);
    drag->setMimeData(fieldMimeData(m_field).release());
    drag->setPixmap(grab());
    const FieldRef field = m_field;
    // Dropped where nothing takes it: the user dragged the field off the pivot table.
    if (drag->exec(Qt::MoveAction) == Qt::IgnoreAction)
        emit removeRequested(field);
}

void FieldChip::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        emit removeRequested(m_field);
    } else if ((event->modifiers() & Qt::ControlModifier) && event->key() == Qt::Key_Left) {
        emit moveRequested(m_field, -1);
    } else if ((event->modifiers() & Qt::ControlModifier) && event->key() == Qt::Key_Right) {
        emit moveRequested(m_field, 1);
    } else if ((event->modifiers() & Qt::AltModifier) && event->key() == Qt::Key_Down && m_area != Area::Data) {
        emit filterRequested(m_field);
    } else {
        QToolButton::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FieldChip::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    if (m_area != Area::Data) {
        menu.addAction(tr("Filter..."), this, [this] { emit filterRequested(m_field); });
        menu.addSeparator();
        if (m_area != Area::Row)
            menu.addAction(tr("Move to Row Area"), this, [this] { emit placeRequested(m_field, Area::Row, -1); });
        if (m_area != Area::Column)
            menu.addAction(tr("Move to Column Area"), this, [this] { emit placeRequested(m_field, Area::Column, -1); });
        if (m_area != Area::Filter)
            menu.addAction(tr("Move to Filter Area"), this, [this] { emit placeRequested(m_field, Area::Filter, -1); });
    }
    menu.addAction(tr("Move Left"), this, [this] { emit moveRequested(m_field, -1); });
    menu.addAction(tr("Move Right"), this, [this] { emit moveRequested(m_field, 1); });
    menu.addSeparator();
    menu.addAction(tr("Remove Field"), this, [this] { emit removeRequested(m_field); });
    menu.exec(event->globalPos());
}

}
