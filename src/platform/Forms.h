#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace platform {

// The program's loaded top-level windows in the order they were loaded. A window is
// loaded when it is added here or first shown, whichever comes first; it leaves the
// list when it closes or is destroyed.
class Forms : public QObject
{
public:
    Forms();
    ~Forms() override;

    void add(QWidget* window);
    int count();
    QWidget* at(int index);
    // Closes the window at index (its close handler may refuse); true when it closed.
    bool unload(int index);
    // Closes every window, newest first, and stops at the first that refuses to close.
    void unloadAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prune();
    QList<QPointer<QWidget>> m_windows;
    QSet<QObject*> m_closing;   // asked to close, not yet hidden
};

}
