#include "pivot/DropArea.h"

#include "pivot/FieldMime.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace pivot {

DropArea::DropArea(Area area, const QString& caption, const QString& placeholder, QWidget* parent)
    : QFrame(parent), m_area(area), m_layout(new QHBoxLayout(this)), m_placeholder(new QLabel(placeholder, this))
{
    auto* title = new QLabel(caption, this);
    title->setStyleSheet(QStringLiteral("color: #5a6270; font-weight: bold;"));
    title->setMinimumWidth(title->fontMetrics().horizontalAdvance(QStringLiteral("Columns")) + 6);
    m_layout->addWidget(title);
    setAcceptDrops(true);
    setFrameShape(QFrame::StyledPanel);
    setObjectName(QStringLiteral("dropArea"));
    m_layout->setContentsMargins(4, 3, 4, 3);
    m_layout->setSpacing(4);
    m_placeholder->setStyleSheet(QStringLiteral("color: #8a9099;"));
    m_layout->addWidget(m_placeholder);
    m_layout->addStretch(1);
    setHighlighted(false);
}

void DropArea::setEntries(const QVector<Entry>& entries)
{
    for (FieldChip* chip : chips()) {
        m_layout->removeWidget(chip);
        chip->hide();
        if (chip->isDragging())
            chip->retireAfterDrag();
        else
            chip->deleteLater();
    }
    m_placeholder->setVisible(entries.isEmpty());
    int at = 0;
    for (const Entry& entry : entries) {
        auto* chip = new FieldChip(entry.field, entry.caption, m_area, entry.filtered, this);
        connect(chip, &FieldChip::placeRequested, this, &DropArea::placeRequested);
        connect(chip, &FieldChip::removeRequested, this, &DropArea::removeRequested);
        connect(chip, &FieldChip::filterRequested, this, &DropArea::filterRequested);
        connect(chip, &FieldChip::moveRequested, this, [this, at](const FieldRef& field, int delta) {
            // Moving right by one means inserting after the next chip.
            const int target = delta < 0 ? std::max(0, at - 1) : at + 2;
            emit placeRequested(field, m_area, target);
        });
        m_layout->insertWidget(2 + at, chip);   // after the caption and the placeholder
        chip->show();                           // now, not when the event loop next runs: a picture may be taken first
        ++at;
    }
}

QList<FieldChip*> DropArea::chips() const
{
    QList<FieldChip*> out;
    for (int i = 0; i < m_layout->count(); ++i)
        if (auto* chip = qobject_cast<FieldChip*>(m_layout->itemAt(i)->widget()))
            out << chip;
    return out;
}

int DropArea::insertIndexAt(const QPoint& pos) const
{
    int index = 0;
    for (FieldChip* chip : chips()) {
        if (pos.x() < chip->geometry().center().x())
            return index;
        ++index;
    }
    return index;
}

bool DropArea::accepts(const FieldRef& field) const
{
    return (field.kind == FieldRef::Kind::Measure) == (m_area == Area::Data);
}

void DropArea::setHighlighted(bool on)
{
    setStyleSheet(on ? QStringLiteral("#dropArea { background: #dbe7fb; border: 1px dashed #2a5db0; }")
                     : QStringLiteral("#dropArea { background: #fafbfc; border: 1px dashed #c2c8d0; }"));
}

// A chip moves from area to area; the field list hands out copies and keeps its fields.
Qt::DropAction DropArea::dropActionFor(const QDropEvent& event)
{
    return event.possibleActions() & Qt::MoveAction ? Qt::MoveAction : Qt::CopyAction;
}

void DropArea::dragEnterEvent(QDragEnterEvent* event)
{
    const auto field = fieldFromMimeData(event->mimeData());
    if (field && accepts(*field)) {
        event->setDropAction(dropActionFor(*event));
        event->accept();
        setHighlighted(true);
    } else {
        event->ignore();
    }
}

void DropArea::dragMoveEvent(QDragMoveEvent* event)
{
    const auto field = fieldFromMimeData(event->mimeData());
    if (field && accepts(*field)) {
        event->setDropAction(dropActionFor(*event));
        event->accept();
    } else {
        event->ignore();
    }
}

void DropArea::dragLeaveEvent(QDragLeaveEvent*)
{
    setHighlighted(false);
}

void DropArea::dropEvent(QDropEvent* event)
{
    setHighlighted(false);
    const auto field = fieldFromMimeData(event->mimeData());
    if (!field || !accepts(*field)) {
        event->ignore();
        return;
    }
    event->setDropAction(dropActionFor(*event));
    event->accept();
    emit placeRequested(*field, m_area, insertIndexAt(event->position().toPoint()));
}

}
