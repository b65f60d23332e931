#pragma once

#include "app/connections/StartupHooks.h"
#include "app/reportwindow/ReportWindowSeams.h"
#include "app/reportwindow/ReportWindows.h"
#include "lang/LanguageServices.h"
#include "olap/AnswerLimits.h"
#include "pivot/PivotHooks.h"
#include "platform/ComponentRegistry.h"
#include "platform/Services.h"

namespace startup {

// Everything the program is wired from, as one value: the installable value of each layer
// below the app (the desktop services, what the language layer and the pivot table call in the
// layers above them, the answer limits), the components by class name, the start-up steps,
// the report window's calls into other modules and the report windows by name.
struct ProgramContext
{
    platform::Services services;   // none: the real ones, made on first use
    platform::ComponentRegistry components;
    lang::LanguageServices language;
    olap::AnswerLimits answerLimits;
    pivot::Hooks pivotHooks;
    connections::Hooks hooks;
    reportwindow::Seams seams;
    reportwindow::Creators reportWindows;
};

// The program's own wiring, over the given desktop services (a test's fakes); none: the real ones.
ProgramContext programContext(const platform::Services& services = {});

// Installs a context and starts a fresh run for as long as it lives; then puts back the
// context that was installed before and starts a fresh run again. Not copied, not nested
// across threads.
class InstalledContext
{
public:
    explicit InstalledContext(const ProgramContext& context);
    ~InstalledContext();
    InstalledContext(const InstalledContext&) = delete;
    InstalledContext& operator=(const InstalledContext&) = delete;

private:
    ProgramContext m_previous;
};

}
