#include "pivot/FieldChip.h"

#include "pivot/FieldMime.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDrag>
#include <QMenu>
#include <QScopedValueRollback>

namespace pivot {

FieldChip::FieldChip(const FieldRef& field, const QString& caption, Area area, bool filtered, QWidget* parent)
    : QToolButton(parent), m_field(field), m_area(area)
{
    setText(filtered ? caption + QStringLiteral(" \u25BE*")
                     : (area == Area::Data ? caption : caption + QStringLiteral(" \u25BE")));
    setToolTip(
        QCoreApplication::translate("pivot", "Drag to move, drag off the pivot table to remove; right-click for more"));
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
    // The drop rebuilds the areas while the drag still runs; the area keeps this chip
    // alive until then (retireAfterDrag) instead of deleting it under our feet.
    Qt::DropAction action = Qt::IgnoreAction;
    {
        const QScopedValueRollback dragging(m_dragging, true);
        action = drag->exec(Qt::MoveAction);
    }
    // Dropped where nothing takes it: the user dragged the field off the pivot table.
    if (action == Qt::IgnoreAction)
        emit removeRequested(m_field);
    if (m_retired)
        deleteLater();
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
    // The chosen command runs after the menu has closed: it rebuilds the area, which
    // retires this chip, and nothing of the chip may be in use by then.
    QMenu menu;
    std::vector<std::pair<QAction*, std::function<void()>>> commands;
    auto add = [&](const QString& text, std::function<void()> command) {
        commands.emplace_back(menu.addAction(text), std::move(command));
    };
    const FieldRef field = m_field;
    if (m_area != Area::Data) {
        add(QCoreApplication::translate("pivot", "Filter..."), [this, field] { emit filterRequested(field); });
        menu.addSeparator();
        if (m_area != Area::Row)
            add(QCoreApplication::translate("pivot", "Move to Row Area"),
                [this, field] { emit placeRequested(field, Area::Row, -1); });
        if (m_area != Area::Column)
            add(QCoreApplication::translate("pivot", "Move to Column Area"),
                [this, field] { emit placeRequested(field, Area::Column, -1); });
        if (m_area != Area::Filter)
            add(QCoreApplication::translate("pivot", "Move to Filter Area"),
                [this, field] { emit placeRequested(field, Area::Filter, -1); });
    }
    add(QCoreApplication::translate("pivot", "Move Left"), [this, field] { emit moveRequested(field, -1); });
    add(QCoreApplication::translate("pivot", "Move Right"), [this, field] { emit moveRequested(field, 1); });
    menu.addSeparator();
    add(QCoreApplication::translate("pivot", "Remove Field"), [this, field] { emit removeRequested(field); });
    QAction* chosen = menu.exec(event->globalPos());
    for (const auto& [action, command] : commands)
        if (action == chosen)
            command();
}

}
