#pragma once

#include "olap/CubeSource.h"

namespace olap {

// Opens the cube `dataMember` of the data source that a pivot connection string names:
// a cube file ("data source=<folder>/<name>.cub") or a catalog on the cube server.
// Throws platform::VbError (0x80004005 for a file or server that cannot be used).
std::unique_ptr<CubeSource> openCube(const QString& connectionString, const QString& dataMember);

// The cubes that a pivot connection string reaches, in their order (a cube file holds one).
// Throws as openCube does; this is how a pivot table tells whether its connection works.
QStringList dataMemberStrings(const QString& connectionString);

}
