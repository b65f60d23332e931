#pragma once

#include "olap/CubeSource.h"

#include <QImage>
#include <functional>
#include <memory>

namespace pivot {

// What the pivot table needs from layers it does not link: opening a cube by
// connection string (the data layer) and writing a GIF (the chart layer). The program
// sets them once at start-up; tests replace them.

// Opens the cube `dataMember` of a connection string; throws platform::VbError.
using CubeOpener = std::function<std::unique_ptr<olap::CubeSource>(const QString& connectionString,
                                                                   const QString& dataMember)>;
// The cubes a connection string reaches; throws platform::VbError when it reaches none.
using CubeLister = std::function<QStringList(const QString& connectionString)>;
// Writes the picture whole to `path` as a GIF; throws platform::VbError (340) when it
// could not. The chart layer's chart::writeGif fits as it stands.
using GifWriter = std::function<void(const QImage& picture, const QString& path)>;

// Default: olap::openCube when the data layer is linked in, else a refusal (0x80004005).
CubeOpener& cubeOpener();
// Default: olap::dataMemberStrings when the data layer is linked in, else the one cube
// that opening with no data member finds.
CubeLister& cubeLister();
// Default: none, so pictures cannot be exported (error 340).
GifWriter& gifWriter();

}
