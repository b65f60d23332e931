#pragma once

#include <QImage>
#include <QString>

namespace pivot {

class PivotGridModel;

// Draws the title and the grid of a pivot result at exactly `size`, off screen: the
// picture does not depend on how large the pivot happens to be on the screen.
QImage renderPivotPicture(PivotGridModel* model, const QString& title, const QSize& size);

}
