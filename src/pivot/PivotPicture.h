#pragma once

#include <QImage>
#include <QString>

namespace pivot {

class PivotGridView;

// Draws the title and the grid of a pivot result at exactly `size`, off screen: the
// picture does not depend on how large the pivot happens to be on the screen.
// `grid` gives the result and its level names.
QImage renderPivotPicture(const PivotGridView& grid, const QString& title, const QSize& size);

}
