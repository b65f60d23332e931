#pragma once

#include <QColor>
#include <QPalette>

// Colours as the box's properties hold them: a value with the top bit set names a system
// colour by the index in its low byte (0x80000005 the window background, 0x80000008 the
// window text); any other value is 0x00BBGGRR.
namespace unitext {

constexpr qint32 kSystemWindow = qint32(0x80000005);
constexpr qint32 kSystemWindowText = qint32(0x80000008);

// The colour in use for `ole`, system colours taken from the palette.
QColor resolveOleColor(qint32 ole, const QPalette& palette);

}
