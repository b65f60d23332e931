#include "app/startup/ProgramContext.h"

#include "app/connections/ServerCredentials.h"
#include "app/startup/Components.h"
#include "app/startup/DefaultSeams.h"
#include "app/state/modGlobals.h"
#include "chart/GifWriter.h"
#include "common/modErroHandling.h"
#include "olap/CubeProvider.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <utility>

namespace startup {

namespace {

// The language layer reports through the program's step log, message box and error report.
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

// Installs the context and returns the one installed before.
ProgramContext exchange(const ProgramContext& context)
{
    ProgramContext previous;
    previous.services = platform::exchangeServices(context.services);
    previous.components = std::exchange(platform::ComponentRegistry::instance(), context.components);
    previous.language = lang::exchangeServices(context.language);
    previous.answerLimits = olap::exchangeAnswerLimits(context.answerLimits);
    previous.pivotHooks = pivot::exchangeHooks(context.pivotHooks);
    previous.hooks = std::exchange(connections::hooks(), context.hooks);
    previous.seams = std::exchange(reportwindow::seams(), context.seams);
    previous.reportWindows = std::exchange(reportwindow::reportWindows(), context.reportWindows);
    return previous;
}

void startFreshRun()
{
    state::startFreshRun();
    connections::servercredentials::forget();
}

}

ProgramContext programContext(const platform::Services& services)
{
    ProgramContext context;
    context.services = services;
    context.components = platform::ComponentRegistry::builtIn();
    registerComponents(context.components);
    context.language = languageServices();
    // The pivot table's connections to a server sign in as the server dialog did, while the
    // connection string it keeps (and reports save) stays without the password.
    context.pivotHooks.cubeOpener = [](const QString& connectionString, const QString& dataMember) {
        return olap::openCube(connections::servercredentials::signedIn(connectionString), dataMember);
    };
    context.pivotHooks.cubeLister = [](const QString& connectionString) {
        return olap::dataMemberStrings(connections::servercredentials::signedIn(connectionString));
    };
    // The pivot table writes its pictures with the chart layer's encoder.
    context.pivotHooks.gifWriter = &chart::writeGif;
    context.hooks = connections::defaultHooks();
    context.seams = defaultSeams();
    context.reportWindows = reportwindow::defaultReportWindows();
    return context;
}

InstalledContext::InstalledContext(const ProgramContext& context) : m_previous(exchange(context))
{
    startFreshRun();
}

InstalledContext::~InstalledContext()
{
    exchange(m_previous);
    startFreshRun();
}

}
