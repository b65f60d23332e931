#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace chart {

// The image as a GIF file in at most 256 colours. Raises 340 when it cannot be encoded.
QByteArray encodeGif(const QImage& image);
// Writes the image as a GIF file, whole or not at all. Raises 340 when the picture
// cannot be made or the file cannot be written.
void writeGif(const QImage& image, const QString& path);

}
