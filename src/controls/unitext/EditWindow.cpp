#include "controls/unitext/EditWindow.h"

#include "controls/shared/WindowMessages.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace unitext::editbehaviour {

void showContextMenu(QWidget* edit, QMenu* menu, qintptr lParam)
{
    const QPoint global(qint16(controls::loWord(lParam)), qint16(controls::hiWord(lParam)));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(global);
    Q_UNUSED(edit);
}

qintptr contextMenuPosition(QWidget* edit, const QPoint& local)
{
    const QPoint global = edit->mapToGlobal(local);
    return controls::makeLong(global.x(), global.y());
}

bool isContextMenuKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

bool dropsQtContextMenu(QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    event->accept();
    return true;
}

QString committed(const EditHooks& hooks, const QString& commit)
{
    return hooks.filterCommit && !commit.isEmpty() ? hooks.filterCommit(commit) : commit;
}

void deliverCommit(QInputMethodEvent* event, const QString& commit, const std::function<void(QInputMethodEvent*)>& base)
{
    if (commit == event->commitString()) {
        base(event);
        return;
    }
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(commit, event->replacementStart(), event->replacementLength());
    base(&changed);
}

}
