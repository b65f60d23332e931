#include "controls/shared/EventTranslation.h"

#include "controls/shared/VirtualKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QWidget>

namespace controls {

namespace {

using namespace wm;

TranslatedMessage message(quint32 id, qintptr wParam, qintptr lParam, QEvent* event, bool effect)
{
    TranslatedMessage t;
    t.msg.uMsg = id;
    t.msg.wParam = wParam;
    t.msg.lParam = lParam;
    t.msg.event = event;
    t.carriesEffect = effect;
    return t;
}

// The characters a key makes, decided from the key and the modifiers as a keyboard
// driver would, not from the event's text alone (Ctrl+A has no text in every platform).
QString charactersOf(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods = key.modifiers();
    if ((mods & Qt::AltModifier))
        return {};
    switch (key.key()) {
    case Qt::Key_Backspace:
        return QString(QChar(8));
    case Qt::Key_Tab:
        return QString(QChar(9));
    case Qt::Key_Backtab:
        return QString(QChar(9));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(13));
    case Qt::Key_Escape:
        return QString(QChar(27));
    default:
        break;
    }
    if (mods & Qt::ControlModifier) {
        if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
            return QString(QChar(1 + key.key() - Qt::Key_A));
        return {};
    }
    const QString text = key.text();
    if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F)
        return {};
    return text;
}

qintptr mouseState(const QMouseEvent& mouse)
{
    qintptr state = 0;
    if (mouse.buttons() & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (mouse.buttons() & Qt::RightButton)
        state |= MK_RBUTTON;
    if (mouse.buttons() & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (mouse.modifiers() & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (mouse.modifiers() & Qt::ControlModifier)
        state |= MK_CONTROL;
    return state;
}

// WM_LBUTTONDOWN and its kin: DOWN, UP, DBLCLK follow each other for every button.
quint32 buttonMessage(Qt::MouseButton button, int offset)
{
    switch (button) {
    case Qt::RightButton:
        return WM_RBUTTONDOWN + offset;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN + offset;
    default:
        return WM_LBUTTONDOWN + offset;
    }
}

QList<TranslatedMessage> translateKey(QKeyEvent* key, bool press)
{
    const bool alt = key->modifiers() & Qt::AltModifier;
    const qintptr virtualKey = vk::virtualKeyFromQt(key->key());
    const qintptr lParam = 1 | (key->isAutoRepeat() ? (qintptr(1) << 30) : 0);
    if (!press)
        return {message(alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, lParam, key, true)};
    const QString characters = charactersOf(*key);
    QList<TranslatedMessage> out{
        message(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, lParam, key, characters.isEmpty())};
    for (qsizetype i = 0; i < characters.size(); ++i)
        out.append(message(WM_CHAR, characters.at(i).unicode(), lParam, key, i == characters.size() - 1));
    return out;
}

}

QList<TranslatedMessage> translateEvent(QWidget* window, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        return {message(WM_SETFOCUS, 0, 0, event, true)};
    case QEvent::FocusOut:
        return {message(WM_KILLFOCUS, 0, 0, event, true)};
    case QEvent::Resize: {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        return {message(WM_SIZE, 0, makeLong(size.width(), size.height()), event, true)};
    }
    case QEvent::KeyPress:
        return translateKey(static_cast<QKeyEvent*>(event), true);
    case QEvent::KeyRelease:
        return translateKey(static_cast<QKeyEvent*>(event), false);
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        return {message(WM_MOUSEACTIVATE, 0, 0, event, false),
                message(buttonMessage(mouse->button(), 0), mouseState(*mouse), makeLong(at.x(), at.y()), event, true)};
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        const int offset = event->type() == QEvent::MouseButtonRelease ? 1 : 2;
        return {
            message(buttonMessage(mouse->button(), offset), mouseState(*mouse), makeLong(at.x(), at.y()), event, true)};
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        return {message(WM_MOUSEMOVE, mouseState(*mouse), makeLong(at.x(), at.y()), event, true)};
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint at = wheel->position().toPoint();
        return {message(WM_MOUSEWHEEL, makeLong(0, wheel->angleDelta().y()), makeLong(at.x(), at.y()), event, true)};
    }
    case QEvent::Leave:
        return {message(WM_MOUSELEAVE, 0, 0, event, true)};
    case QEvent::ContextMenu:
        return {message(WM_CONTEXTMENU, 0, 0, event, true)};
    case QEvent::Paint:
        return {message(WM_PAINT, 0, 0, event, true)};
    case QEvent::Show:
        return {message(WM_SHOWWINDOW, 1, 0, event, true)};
    case QEvent::Hide:
        return {message(WM_SHOWWINDOW, 0, 0, event, true)};
    case QEvent::EnabledChange:
        return {message(WM_ENABLE, window && window->isEnabled() ? 1 : 0, 0, event, true)};
    default:
        return {};
    }
}

}
