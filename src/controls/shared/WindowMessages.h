#pragma once

#include <QtGlobal>

class QEvent;
class QObject;

// The message ids the controls' window handlers subscribe to. The controls' widgets
// translate their Qt events into these (see WindowSubclass.h), so a handler reads the
// same ids and the same wParam/lParam packing whatever Qt event stood behind them.
//
// A control uses these ids in its subscriptions (ssc_AddMsg) and in its handler's tests.
namespace controls {

// One message as a window handler sees it. Where the message names a window in lParam
// (the sender of WM_COMMAND, the list of WM_CTLCOLORLISTBOX) that window is lParamWindow;
// where it carries a record (WM_NOTIFY) the record is `record`, of the type the
// notification code says.
struct WindowMessage
{
    quint32 uMsg = 0;
    qintptr wParam = 0;
    qintptr lParam = 0;
    QObject* lParamWindow = nullptr;
    const void* record = nullptr;
    QEvent* event = nullptr;   // the Qt event this message was translated from; none for sent messages
};

constexpr qintptr makeLong(int low, int high)
{
    return static_cast<qintptr>(static_cast<quint32>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr int loWord(qintptr value)
{
    return static_cast<int>(value & 0xFFFF);
}
constexpr int hiWord(qintptr value)
{
    return static_cast<int>((value >> 16) & 0xFFFF);
}

namespace wm {
constexpr quint32 WM_NULL = 0x0000;
constexpr quint32 WM_DESTROY = 0x0002;
constexpr quint32 WM_SIZE = 0x0005;
constexpr quint32 WM_SETFOCUS = 0x0007;
constexpr quint32 WM_KILLFOCUS = 0x0008;
constexpr quint32 WM_ENABLE = 0x000A;
constexpr quint32 WM_SETREDRAW = 0x000B;
constexpr quint32 WM_PAINT = 0x000F;
constexpr quint32 WM_ERASEBKGND = 0x0014;
constexpr quint32 WM_SHOWWINDOW = 0x0018;
constexpr quint32 WM_MOUSEACTIVATE = 0x0021;
constexpr quint32 WM_SETFONT = 0x0030;
constexpr quint32 WM_NOTIFY = 0x004E;
constexpr quint32 WM_CONTEXTMENU = 0x007B;
constexpr quint32 WM_NCDESTROY = 0x0082;
constexpr quint32 WM_KEYDOWN = 0x0100;
constexpr quint32 WM_KEYUP = 0x0101;
constexpr quint32 WM_CHAR = 0x0102;
constexpr quint32 WM_SYSKEYDOWN = 0x0104;
constexpr quint32 WM_SYSKEYUP = 0x0105;
constexpr quint32 WM_COMMAND = 0x0111;
constexpr quint32 WM_CTLCOLOREDIT = 0x0133;
constexpr quint32 WM_CTLCOLORLISTBOX = 0x0134;
constexpr quint32 WM_CTLCOLORSTATIC = 0x0138;
constexpr quint32 WM_MOUSEMOVE = 0x0200;
constexpr quint32 WM_LBUTTONDOWN = 0x0201;
constexpr quint32 WM_LBUTTONUP = 0x0202;
constexpr quint32 WM_LBUTTONDBLCLK = 0x0203;
constexpr quint32 WM_RBUTTONDOWN = 0x0204;
constexpr quint32 WM_RBUTTONUP = 0x0205;
constexpr quint32 WM_RBUTTONDBLCLK = 0x0206;
constexpr quint32 WM_MBUTTONDOWN = 0x0207;
constexpr quint32 WM_MBUTTONUP = 0x0208;
constexpr quint32 WM_MBUTTONDBLCLK = 0x0209;
constexpr quint32 WM_MOUSEWHEEL = 0x020A;
constexpr quint32 WM_MOUSELEAVE = 0x02A3;

// WM_MOUSEACTIVATE answers.
constexpr qintptr MA_ACTIVATE = 1;
constexpr qintptr MA_NOACTIVATE = 3;

// wParam of mouse messages.
constexpr qintptr MK_LBUTTON = 0x01;
constexpr qintptr MK_RBUTTON = 0x02;
constexpr qintptr MK_SHIFT = 0x04;
constexpr qintptr MK_CONTROL = 0x08;
constexpr qintptr MK_MBUTTON = 0x10;
}

}
