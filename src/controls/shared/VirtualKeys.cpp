#include "controls/shared/VirtualKeys.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace controls::vk {

namespace {

// Keys whose number is not their Qt key's own position in a run (letters, digits and
// function keys are mapped by range below).
constexpr std::array<std::pair<int, int>, 24> kNamed{{
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},      {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},        {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},    {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},       {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},     {Qt::Key_Print, 44},
    {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Menu, 93},
}};

}

int virtualKeyFromQt(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    for (const auto& [qt, virtualKey] : kNamed) {
        if (qt == qtKey)
            return virtualKey;
    }
    return 0;
}

int qtKeyFromVirtual(int virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return Qt::Key_A + (virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return Qt::Key_0 + (virtualKey - '0');
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 24)
        return Qt::Key_F1 + (virtualKey - VK_F1);
    for (const auto& [qt, named] : kNamed) {
        if (named == virtualKey)
            return qt;
    }
    return Qt::Key_unknown;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        state |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        state |= AltMask;
    return state;
}

int shiftStateOfKey(const QKeyEvent& key)
{
    int own = 0;
    switch (key.key()) {
    case Qt::Key_Shift:
        own = ShiftMask;
        break;
    case Qt::Key_Control:
        own = CtrlMask;
        break;
    case Qt::Key_Alt:
        own = AltMask;
        break;
    default:
        return shiftState(key.modifiers());
    }
    const int others = shiftState(key.modifiers()) & ~own;
    return key.type() == QEvent::KeyRelease ? others : others | own;
}

}
