#pragma once

#include <QString>
#include <optional>

// What the user typed and chose for a picture of the chart, checked before anything is
// drawn or written.
namespace output {

// A side of the picture in pixels: a whole number from 1 to the largest side the chart
// draws. Anything else (a fraction, a word, zero, a negative) is no size.
std::optional<int> pictureSide(const QString& typed);

// The file chosen in the file dialog, taken whole: ".gif" is added unless the name already
// ends so in any letter case. A ".gif" elsewhere in the path (a folder "maps.gif") is
// part of the path like any other text.
QString gifFileName(const QString& chosen);

}
