#pragma once

#include <QLoggingCategory>
#include <source_location>

namespace platform {

// Programmer's errors that the program survives are logged here ("tessaline.programming").
Q_DECLARE_LOGGING_CATEGORY(programming)

// Checks what must hold unless the code itself is wrong. When it does not hold, the
// condition is logged with its file and line as a warning, and the caller recovers:
//
//     if (!softAssert(row < rowCount(), "row < rowCount()"))
//         return {};
//
// Never for what a user, a file or the system can cause: those are failures (Result).
bool softAssert(bool condition, const char* what, std::source_location where = std::source_location::current());

}
