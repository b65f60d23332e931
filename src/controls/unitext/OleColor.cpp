#include "controls/unitext/OleColor.h"

namespace unitext {

namespace {

QPalette::ColorRole roleOfSystemColor(int index)
{
    switch (index) {
    case 5:
        return QPalette::Base;   // window background
    case 8:
        return QPalette::Text;   // window text
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button;   // face of 3D objects
    case 16:
        return QPalette::Dark;   // shadow of 3D objects
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 22:
        return QPalette::Midlight;
    case 21:
        return QPalette::Shadow;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 7:   // menu text
    case 9:   // caption text
    case 19:
        return QPalette::WindowText;   // inactive caption text
    case 17:
        return QPalette::PlaceholderText;   // grey text
    default:
        return QPalette::Window;
    }
}

}

QColor resolveOleColor(qint32 ole, const QPalette& palette)
{
    const quint32 value = quint32(ole);
    if (value & 0x80000000u)
        return palette.color(QPalette::Active, roleOfSystemColor(int(value & 0xFF)));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

}
