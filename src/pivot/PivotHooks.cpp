#include "pivot/PivotHooks.h"

#include "olap/CubeProvider.h"

namespace pivot {

CubeOpener& cubeOpener()
{
    static CubeOpener opener = &olap::openCube;
    return opener;
}

CubeLister& cubeLister()
{
    static CubeLister lister = &olap::dataMemberStrings;
    return lister;
}

GifWriter& gifWriter()
{
    static GifWriter writer;
    return writer;
}

}
