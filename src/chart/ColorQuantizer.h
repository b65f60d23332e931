#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

namespace chart {

// An image in at most 256 colours: a palette and an index into it per pixel, row-major.
struct IndexedImage
{
    int width = 0;
    int height = 0;
    QVector<QRgb> palette;
    QByteArray indexes;
};

// Reduces an image to at most 256 opaque colours (transparency is laid on white). An
// image that already has so few keeps them exactly. Otherwise the colours that cover
// much of the picture (a chart's fills, lines and text) keep their exact values and the
// rest (anti-aliased edges) are shared out by median cut, so the chart stays legible.
IndexedImage quantize(const QImage& image);

}
