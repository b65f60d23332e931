#include "pivot/PivotHooks.h"

#include "olap/CubeProvider.h"

namespace pivot {

Hooks& hooks()
{
    static Hooks installed{&olap::openCube, &olap::dataMemberStrings, {}};
    return installed;
}

}
