#include "app/connections/StartupHooks.h"

#include "app/connections/CubeConnection.h"
#include "app/connections/CubeDiscovery.h"
#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"

namespace connections {

Hooks defaultHooks()
{
    return Hooks{[](int language) { modMultiLingual::LoadLanguages(qint16(language)); },
                 [] { return int(modGenericLanguages::fncGetlocalLanguage()); },
                 &connections::subGetCubeFileNames,
                 &connections::subGetServerName,
                 &connections::subGetServerCubes,
                 &connections::subBindPivotTable};
}

Hooks& hooks()
{
    static Hooks installed;
    return installed;
}

}
