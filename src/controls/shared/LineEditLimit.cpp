#include "controls/shared/LineEditLimit.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

namespace controls {

LineEditLimit::LineEditLimit(QLineEdit* edit) : QValidator(edit), m_edit(edit)
{
    edit->setValidator(this);
}

int LineEditLimit::currentLength() const
{
    return static_cast<int>(m_edit->text().size());
}

int LineEditLimit::room() const
{
    if (m_units < 0)
        return std::numeric_limits<int>::max();
    const int selected = static_cast<int>(m_edit->selectedText().size());
    return std::max(0, m_units - (currentLength() - selected));
}

void LineEditLimit::keyPress(QKeyEvent* event, const std::function<void(QKeyEvent*)>& base)
{
    if (event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        base(event);
        return;
    }
    asUserInput([&] { base(event); });
}

bool LineEditLimit::pasteSelection(QMouseEvent* event)
{
    if (event->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()
        || m_edit->isReadOnly() || !m_edit->rect().contains(event->position().toPoint()))
        return false;
    m_edit->deselect();
    paste(QClipboard::Selection);
    event->accept();
    return true;
}

void LineEditLimit::paste(QClipboard::Mode mode)
{
    if (m_edit->isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (clip.isEmpty())
        return;
    const QString fits = clip.left(room());
    if (fits.isEmpty()) {
        QApplication::beep();
        return;
    }
    insertUnlimited(fits);
}

void LineEditLimit::pasteFromMenu(QMenu* menu)
{
    // The standard menu's Paste is the entry that pastes into the edit: its connection is
    // known by the slot it calls, whatever the entry's text in any language.
    for (QAction* action : menu->actions()) {
        if (QObject::disconnect(action, SIGNAL(triggered()), m_edit, SLOT(paste())))
            QObject::connect(action, &QAction::triggered, this, [this] { paste(); });
    }
}

void LineEditLimit::insertUnlimited(const QString& text)
{
    const QScopedValueRollback<int> program(m_lengthBefore, -1);
    m_edit->insert(text);
}

QValidator::State LineEditLimit::validate(QString& input, int&) const
{
    if (m_lengthBefore < 0 || m_units < 0)
        return Acceptable;
    return input.size() > m_units && input.size() > m_lengthBefore ? Invalid : Acceptable;
}

}
