#pragma once

#include "controls/shared/WindowMessages.h"

#include <QList>

class QWidget;

// How a subclassed widget's Qt events become the messages its record offers. One Qt event
// can become several messages (a key press with a character: WM_KEYDOWN, then one WM_CHAR
// per UTF-16 unit; a mouse press: WM_MOUSEACTIVATE, then WM_xBUTTONDOWN). The base class's
// event() runs once, as the previous procedure of the message that carries the event's
// effect (the character for character keys, the key otherwise, the button for a press);
// the others have no previous procedure of their own. Events not listed here pass to the
// base class without being offered.
//
// Focus in/out: WM_SETFOCUS/WM_KILLFOCUS. Resize: WM_SIZE (lParam width, height).
// Key press/release: WM_KEYDOWN/WM_KEYUP (WM_SYSKEY* with Alt), wParam the virtual key,
// lParam bit 30 set for an auto-repeat. WM_CHAR: text, Ctrl+A..Z as 1..26, Backspace 8,
// Tab 9, Enter 13, Esc 27. Mouse: WM_MOUSEMOVE, WM_[LRM]BUTTON{DOWN,UP,DBLCLK}, wParam the
// MK_* state, lParam the position; WM_MOUSEWHEEL; WM_MOUSELEAVE; WM_CONTEXTMENU.
// Paint: WM_PAINT. Show/hide: WM_SHOWWINDOW (1/0). Enabled change: WM_ENABLE.
namespace controls {

struct TranslatedMessage
{
    WindowMessage msg;
    bool carriesEffect = false;
};

QList<TranslatedMessage> translateEvent(QWidget* window, QEvent* event);

}
