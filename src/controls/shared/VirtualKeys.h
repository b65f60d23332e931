#pragma once

#include <Qt>

// Key codes as the controls' key events and key routing count them (the virtual-key
// numbers: 9 Tab, 13 Enter, 37 Left ...), and the shift-state mask their events carry.
//
// A control maps a Qt key with virtualKeyFromQt when it raises KeyDown/KeyUp or routes a
// key, and takes the shift state from the event itself, never from the keyboard now.
class QKeyEvent;

namespace controls::vk {

constexpr int VK_BACK = 8;
constexpr int VK_TAB = 9;
constexpr int VK_RETURN = 13;
constexpr int VK_SHIFT = 16;
constexpr int VK_CONTROL = 17;
constexpr int VK_MENU = 18;
constexpr int VK_ESCAPE = 27;
constexpr int VK_SPACE = 32;
constexpr int VK_PRIOR = 33;
constexpr int VK_NEXT = 34;
constexpr int VK_END = 35;
constexpr int VK_HOME = 36;
constexpr int VK_LEFT = 37;
constexpr int VK_UP = 38;
constexpr int VK_RIGHT = 39;
constexpr int VK_DOWN = 40;
constexpr int VK_INSERT = 45;
constexpr int VK_DELETE = 46;
constexpr int VK_F1 = 112;

// The virtual key of a Qt key; 0 for keys that have none (letters outside A-Z).
int virtualKeyFromQt(int qtKey);
// The Qt key of a virtual key; Qt::Key_unknown when there is none.
int qtKeyFromVirtual(int virtualKey);

// The Shift argument of key events: 1 Shift, 2 Ctrl, 4 Alt.
constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;
int shiftState(Qt::KeyboardModifiers modifiers);
// The Shift argument of a key's own event, with the keyboard as it is after the key: a
// modifier key is down in its press and up in its release (X11 tells the state before it).
int shiftStateOfKey(const QKeyEvent& key);

}
