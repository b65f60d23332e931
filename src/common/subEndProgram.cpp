#include "common/subEndProgram.h"

#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"
#include "platform/App.h"
#include "platform/Forms.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"

#include <cstdlib>

namespace modMain {

namespace {
bool g_ending = false;
}

bool programEnding()
{
    return g_ending;
}

void resetProgramEndForTests()
{
    g_ending = false;
}

void subEndProgram(EndCause cause)
{
    g_ending = true;
    common::ResumeNext resume;
    resume.run([] { platform::services().forms->unloadAll(); });
    modFileHandling::gobjFSO.reset();
    resume.run([] { platform::services().app->releaseInstanceLock(); });
    const bool failed = cause == EndCause::Failure || modErroHandling::errorHandled();
    platform::services().processEnd->endProcess(failed ? 1 : 0);
    std::abort();   // a process end that came back
}

}
