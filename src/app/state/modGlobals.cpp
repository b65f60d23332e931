#include "app/state/modGlobals.h"

namespace state {

ProgramState programState;

void startFreshRun()
{
    programState = ProgramState{};
    modGlobals::gstrAppTitle.clear();
}

}
