#include "controls/shared/KeyRouter.h"

#include "controls/shared/VirtualKeys.h"
#include "controls/shared/WindowMessages.h"

#include <QApplication>
#include <QKeyEvent>

namespace controls {

namespace {

// The copies the router sends are not offered again, and go to their target alone: a key
// passed on to a control's own widget is not passed on to the host when ignored there.
QWidget* g_forwardTarget = nullptr;

void sendPastRouters(QWidget* target, QKeyEvent* key)
{
    struct Forwarding
    {
        explicit Forwarding(QWidget* target) : previous(g_forwardTarget) { g_forwardTarget = target; }
        ~Forwarding() { g_forwardTarget = previous; }
        QWidget* previous;
    } forwarding(target);
    QCoreApplication::sendEvent(target, key);
}

// Crosses popups: a combo box's drop-down list is a window of its own whose parent is the combo.
bool isWithin(const QWidget* widget, const QWidget* ancestor)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == ancestor)
            return true;
    }
    return false;
}

// A key event is delivered to the focus widget (of the open popup, if any) first and then,
// while ignored, to its parents; only the first delivery is offered. A window that has just
// lost the activation (a dialog closed by the key's press) still gets the key's release at
// its own focus widget.
QWidget* firstReceiver(const QWidget* target)
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return target->window()->focusWidget();
}

}

KeyRouter::KeyRouter(QWidget* host) : QObject(host), m_host(host)
{
    qApp->installEventFilter(this);
}

KeyRouter* KeyRouter::forHost(QWidget* control)
{
    QWidget* host = control->window();
    // An empty name matches any: the router is found by its type alone.
    if (auto* existing = host->findChild<KeyRouter*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new KeyRouter(host);
}

void KeyRouter::setActiveObject(AcceleratorClient* client)
{
    m_client = client;
    m_clientWindow = client ? client->acceleratorWindow() : nullptr;
}

void KeyRouter::clearActiveObject(AcceleratorClient* client)
{
    if (m_client == client)
        setActiveObject(nullptr);
}

AcceleratorClient* KeyRouter::activeObject() const
{
    return m_clientWindow ? m_client : nullptr;
}

void KeyRouter::controlSiteTab(const KeyMessage& msg)
{
    if (msg.message != wm::WM_KEYDOWN)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != m_host)
        return;
    const bool backwards = msg.shift & vk::ShiftMask;
    // A plain Tab to the host window is exactly its own focus move, which the control's
    // widgets never see.
    QKeyEvent tab(QEvent::KeyPress, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                  backwards ? Qt::ShiftModifier : Qt::NoModifier);
    sendPastRouters(m_host, &tab);
}

bool KeyRouter::hostTakesKey(const KeyMessage& msg)
{
    if (!msg.event || msg.message != wm::WM_KEYDOWN)
        return false;
    QKeyEvent copy(msg.event->type(), msg.event->key(), msg.event->modifiers(), msg.event->text(),
                   msg.event->isAutoRepeat(), static_cast<quint16>(msg.event->count()));
    sendPastRouters(m_host, &copy);
    return copy.isAccepted();
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    if (g_forwardTarget)
        return watched != g_forwardTarget;
    if (!watched->isWidgetType())
        return false;
    AcceleratorClient* client = activeObject();
    auto* target = static_cast<QWidget*>(watched);
    if (!client || target != firstReceiver(target) || !isWithin(target, m_clientWindow))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    KeyMessage msg;
    msg.message = event->type() == QEvent::KeyPress ? wm::WM_KEYDOWN : wm::WM_KEYUP;
    msg.wParam = vk::virtualKeyFromQt(key->key());
    msg.lParam = 1 | (key->isAutoRepeat() ? (qintptr(1) << 30) : 0);
    msg.shift = vk::shiftState(key->modifiers());
    msg.event = key;
    msg.target = target;
    bool handled = false;
    // The key handler skips what fails; nothing of it may stop the host's own handling.
    try {
        client->TranslateAccel(msg, handled);
    } catch (const std::exception&) {
        handled = false;
    }
    return handled;
}

void forwardKey(QWidget* target, const KeyMessage& msg)
{
    if (!target || !msg.event)
        return;
    QKeyEvent copy(msg.event->type(), msg.event->key(), msg.event->modifiers(), msg.event->nativeScanCode(),
                   msg.event->nativeVirtualKey(), msg.event->nativeModifiers(), msg.event->text(),
                   msg.event->isAutoRepeat(), static_cast<quint16>(msg.event->count()));
    sendPastRouters(target, &copy);
}

}
