#pragma once

#include "olap/CubeSource.h"

#include <QImage>
#include <functional>
#include <memory>

namespace pivot {

// What the pivot table needs from other layers: opening a cube by connection string (the
// data layer) and writing a GIF (the chart layer, above this one). The program sets the
// GIF writer at start-up; tests replace any of them.

// Opens the cube `dataMember` of a connection string; throws platform::VbError.
using CubeOpener =
    std::function<std::unique_ptr<olap::CubeSource>(const QString& connectionString, const QString& dataMember)>;
// The cubes a connection string reaches; throws platform::VbError when it reaches none.
using CubeLister = std::function<QStringList(const QString& connectionString)>;
// Writes the picture whole to `path` as a GIF; throws platform::VbError (340) when it
// could not. The chart layer's chart::writeGif fits as it stands.
using GifWriter = std::function<void(const QImage& picture, const QString& path)>;

// Default: olap::openCube.
CubeOpener& cubeOpener();
// Default: olap::dataMemberStrings.
CubeLister& cubeLister();
// Default: none, so pictures cannot be exported (error 340).
GifWriter& gifWriter();

}
