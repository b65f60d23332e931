#include "olap/AnswerLimits.h"

#include <mutex>

namespace olap {

namespace {

// Statements on the workers' threads read the limits while a test may install others.
std::mutex& guard()
{
    static std::mutex mutex;
    return mutex;
}

AnswerLimits& installed()
{
    static AnswerLimits limits;
    return limits;
}

}

AnswerLimits answerLimits()
{
    const std::lock_guard lock(guard());
    return installed();
}

AnswerLimits exchangeAnswerLimits(const AnswerLimits& limits)
{
    const std::lock_guard lock(guard());
    const AnswerLimits previous = installed();
    installed() = limits;
    return previous;
}

}
