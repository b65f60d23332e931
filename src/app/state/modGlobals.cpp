#include "app/state/modGlobals.h"

#include "common/CommonState.h"

namespace state {

ProgramState programState;

void startFreshRun()
{
    programState = ProgramState{};
    common::startFreshRun();
}

}
