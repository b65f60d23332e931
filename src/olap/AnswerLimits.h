#pragma once

#include "platform/Installed.h"

#include <chrono>

namespace olap {

// The longest wait for the answer to one statement: a server that stops answering in the middle
// of a session is given up then, if the user has not given it up before.
constexpr int kMostAnswerSeconds = 120;

// How long a statement may go without an answer before it is given up: the olap layer's one
// installable value (startup::ProgramContext holds the program's).
struct AnswerLimits
{
    // A statement on a cube file that gives no row for this long is stopped, so that a cube
    // built to loop (a recursive view, say) is refused instead of freezing the program.
    std::chrono::milliseconds cubeFile = std::chrono::seconds(30);
    // The cube server's answer to one statement, for the sessions opened from then on.
    std::chrono::milliseconds server = std::chrono::seconds(kMostAnswerSeconds);
};

// The limits in use; read from any thread.
AnswerLimits answerLimits();
// Installs limits and returns those installed before.
AnswerLimits exchangeAnswerLimits(const AnswerLimits& limits);

// Installs limits for the life of the object (a test's, a fuzzer's shorter ones), then puts
// back those installed before.
using InstalledAnswerLimits = platform::Installed<AnswerLimits, &exchangeAnswerLimits>;

}
