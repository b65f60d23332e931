#pragma once

#include <QLoggingCategory>

namespace platform {

// Programmer's errors that the program survives are logged here ("tessaline.programming").
Q_DECLARE_LOGGING_CATEGORY(programming)

// Checks what must hold unless the code itself is wrong. When it does not hold, the
// condition is logged with its file and line as a warning, and the caller recovers:
//
//     if (!SOFT_ASSERT(row < rowCount()))
//         return {};
//
// Never for what a user, a file or the system can cause: those are failures (Result).
// A macro rather than std::source_location, which the fuzzing build's clang cannot give.
bool softAssert(bool condition, const char* what, const char* file, int line);
}

#define SOFT_ASSERT(condition) ::platform::softAssert(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
