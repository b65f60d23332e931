#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>

// Chooses an entry of the context menu that is open, by the start of its text ("&Paste"),
// and closes the menu; false when no menu is open.
inline bool chooseFromOpenMenu(const QString& entry)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return false;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(entry))
            action->trigger();
    }
    menu->close();
    return true;
}
