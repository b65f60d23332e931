#include "common/CommonState.h"

#include "lang/LanguageState.h"

namespace common {

CommonState commonState;

void startFreshRun()
{
    commonState = CommonState{};
    lang::startFreshRun();
}

}
