#include "app/startup/StartupHooks.h"

#include "app/connections/modConnections.h"
#include "app/connections/modCubes.h"
#include "common/modErroHandling.h"
#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

namespace startup {

Hooks defaultHooks()
{
    using namespace connections;
    return Hooks{[](int language) { modMultiLingual::LoadLanguages(qint16(language)); },
                 [] { return int(modGenericLanguages::fncGetlocalLanguage()); },
                 &modCubes::subGetCubeFileNames,
                 &modCubes::subGetServerName,
                 &modCubes::subGetServerCubes,
                 &modConnections::subBindPivotTable};
}

Hooks& hooks()
{
    static Hooks installed;
    return installed;
}

lang::LanguageServices languageServices()
{
    lang::LanguageServices services;
    services.logStep = [](const QString& message) { modErroHandling::subLogStep(message); };
    services.showMessage = [](const QString& text) {
        platform::services().messageBox->msgBox(text, platform::mb::vbOKOnly, QString());
    };
    services.handleError = [](const QString& description, long number, int line, const QString& procName) {
        modErroHandling::subHandleError(description, number, line, procName);
    };
    return services;
}

}
