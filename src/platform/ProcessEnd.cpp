#include "platform/ProcessEnd.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void ImmediateProcessEnd::endProcess(int exitCode)
{
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}
