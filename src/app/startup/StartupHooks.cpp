#include "app/startup/StartupHooks.h"

#include "app/connections/modConnections.h"
#include "app/connections/modCubes.h"
#include "common/modErroHandling.h"
#include "lang/LanguageServices.h"
#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

namespace startup {

Hooks defaultHooks()
{
    return Hooks{[](int language) { modMultiLingual::LoadLanguages(qint16(language)); },
                 [] { return int(modGenericLanguages::fncGetlocalLanguage()); },
                 &connections::modCubes::subGetCubeFileNames, &connections::modCubes::subGetServerName, &connections::modCubes::subGetServerCubes,
                 &connections::modConnections::subBindPivotTable};
}

Hooks& hooks()
{
    static Hooks installed = defaultHooks();
    return installed;
}

void connectLanguageServices()
{
    auto& services = lang::services();
    services.logStep = [](const QString& message) { modErroHandling::subLogStep(message); };
    services.showMessage = [](const QString& text) {
        platform::services().messageBox->msgBox(text, platform::mb::vbOKOnly, QString());
    };
    services.handleError = [](const QString& description, long number, int line, const QString& procName) {
        modErroHandling::subHandleError(description, number, line, procName);
    };
}

}
