#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace pivot {

class PivotGridView;

// Draws the title and the grid of a pivot result at exactly `size`, off screen: the
// picture does not depend on how large the pivot happens to be on the screen.
// `grid` gives the result and its level names. A table larger than `size` is drawn whole
// on a larger canvas of the same shape and shrunk to `size`, by at most
// kMaxPictureShrink; beyond that its text could not be read, and the rest is cut off.
QImage renderPivotPicture(const PivotGridView& grid, const QString& title, const QSize& size);

constexpr double kMaxPictureShrink = 4.0;

// The canvas on which a table that overflows a `size` picture by `overflow` pixels fits.
QSize pictureCanvas(const QSize& size, const QSize& overflow);

}
