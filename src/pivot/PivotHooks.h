#pragma once

#include "olap/CubeSource.h"
#include "platform/Installed.h"

#include <QImage>
#include <functional>
#include <memory>
#include <utility>

namespace pivot {

// Opens the cube `dataMember` of a connection string; throws platform::VbError.
using CubeOpener =
    std::function<std::unique_ptr<olap::CubeSource>(const QString& connectionString, const QString& dataMember)>;
// The cubes a connection string reaches; throws platform::VbError when it reaches none.
using CubeLister = std::function<QStringList(const QString& connectionString)>;
// Writes the picture whole to `path` as a GIF; throws platform::VbError (340) when it
// could not. The chart layer's chart::writeGif fits as it stands.
using GifWriter = std::function<void(const QImage& picture, const QString& path)>;

// The pivot layer's one installable value: what the pivot table needs from other layers,
// opening a cube by connection string (the data layer) and writing a GIF (the chart layer,
// above this one). The program's wiring (startup::ProgramContext) installs its own.
struct Hooks
{
    CubeOpener cubeOpener;
    CubeLister cubeLister;
    GifWriter gifWriter;
};

// The hooks in use. Until others are installed: olap::openCube, olap::dataMemberStrings and
// no GIF writer, so that pictures cannot be exported (error 340).
Hooks& hooks();

// Installs hooks and returns those installed before; InstalledHooks does so for the life of the
// object (a test's), then puts back those installed before.
inline Hooks exchangeHooks(Hooks installed)
{
    return std::exchange(hooks(), std::move(installed));
}
using InstalledHooks = platform::Installed<Hooks, &exchangeHooks>;

}
