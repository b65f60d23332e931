#include "common/subEndProgram.h"

#include "common/CommonState.h"
#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"
#include "platform/App.h"
#include "platform/Forms.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"

#include <cstdlib>

namespace modMain {

bool programEnding()
{
    return common::commonState.programEnding;
}

void subEndProgram(EndCause cause)
{
    common::commonState.programEnding = true;
    common::ResumeNext resume;
    resume.run([] { platform::services().forms->unloadAll(); });
    modFileHandling::gobjFSO.reset();
    resume.run([] { platform::services().app->releaseInstanceLock(); });
    const bool failed = cause == EndCause::Failure || modErroHandling::errorHandled();
    platform::services().processEnd->endProcess(failed ? 1 : 0);
    std::abort();   // a process end that came back
}

}
