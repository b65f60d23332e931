#pragma once

#include <QtGlobal>

// The messages and notification codes of the text box that the shared set does not hold.
namespace unitext::msg {

constexpr quint32 WM_HSCROLL = 0x0114;
constexpr quint32 WM_VSCROLL = 0x0115;
constexpr qintptr SB_THUMBPOSITION = 4;

// WM_COMMAND notifications of an edit window, in the high word of wParam.
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_CHANGE = 0x0300;
constexpr int EN_UPDATE = 0x0400;

constexpr int VK_TAB = 9;

}
