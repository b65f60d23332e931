#include "platform/Forms.h"

#include <QCoreApplication>
#include <QEvent>

namespace platform {

namespace {

bool isProgramWindow(const QWidget* widget)
{
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

}

Forms::Forms()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

Forms::~Forms()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void Forms::prune()
{
    m_windows.removeAll(QPointer<QWidget>());
}

void Forms::add(QWidget* window)
{
    prune();
    if (window && !m_windows.contains(window))
        m_windows.append(window);
}

int Forms::count()
{
    prune();
    return int(m_windows.size());
}

QWidget* Forms::at(int index)
{
    prune();
    return m_windows.value(index);
}

bool Forms::unload(int index)
{
    QPointer<QWidget> window = at(index);
    if (!window)
        return false;
    if (!window->close())
        return false;
    m_windows.removeAll(window);
    return true;
}

void Forms::unloadAll()
{
    int n = count();
    while (n > 0) {
        unload(n - 1);
        if (count() == n)
            break;   // that window refused to close
        n = count();
    }
}

// Windows the program shows without adding them are loaded at their first show; a window
// the user closes is unloaded: the toolkit hides it right after a close it accepted.
bool Forms::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Show:
        m_closing.remove(widget);
        if (isProgramWindow(widget))
            add(widget);
        break;
    case QEvent::Close:
        m_closing.insert(widget);
        break;
    case QEvent::Hide:
        if (m_closing.remove(widget))
            m_windows.removeAll(widget);
        break;
    default:
        break;
    }
    return false;
}

}
