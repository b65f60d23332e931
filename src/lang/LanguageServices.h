#pragma once

#include <QString>
#include <functional>

namespace lang {

// What the language layer needs from the program's common services. Start-up points these
// at the step log, the message box and the error report; tests install fakes.
struct LanguageServices
{
    // Records the step message that an error report quotes.
    std::function<void(const QString& message)> logStep;
    // A message box with an OK button, no icon and the program's default title.
    std::function<void(const QString& text)> showMessage;
    // The error call. It ends the program and is not expected to return; if it does, the
    // caller raises the error instead of going on with a half-read table.
    std::function<void(const QString& description, long number, int line, const QString& procName)> handleError;
};

// The services in use. Until start-up installs others: no step log, messages go to the
// warning log, and the error call raises the error as platform::VbError.
LanguageServices& services();

// Makes the error call, then raises the error if the call came back.
[[noreturn]] void reportError(const QString& description, long number, int line, const QString& procName);

}
