#include "common/CommonState.h"

namespace common {

CommonState commonState;

void startFreshRun()
{
    commonState = CommonState{};
}

}
