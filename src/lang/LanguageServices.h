#pragma once

#include "platform/Installed.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace lang {

// The language layer's one installable value: what it needs from the program's common
// services, and where it reads its phrases. Start-up points these at the step log, the
// message box and the error report (startup::ProgramContext); tests install fakes.
struct LanguageServices
{
    // Records the step message that an error report quotes.
    std::function<void(const QString& message)> logStep;
    // A message box with an OK button, no icon and the program's default title.
    std::function<void(const QString& text)> showMessage;
    // The error call. It ends the program and is not expected to return; if it does, the
    // caller raises the error instead of going on with a half-read table.
    std::function<void(const QString& description, long number, int line, const QString& procName)> handleError;
    // The phrase table in place of the one the program carries (a test's, the fuzzer's); none:
    // the carried one.
    std::optional<QByteArray> phraseTable;
};

// The services in use. Until start-up installs others: no step log, messages go to the
// warning log, and the error call raises the error as platform::VbError.
LanguageServices& services();

// Installs services and returns those installed before; InstalledLanguageServices does so for
// the life of the object (a test's fakes), then puts back those installed before.
inline LanguageServices exchangeServices(LanguageServices installed)
{
    return std::exchange(services(), std::move(installed));
}
using InstalledLanguageServices = platform::Installed<LanguageServices, &exchangeServices>;

// Makes the error call, then raises the error if the call came back.
[[noreturn]] void reportError(const QString& description, long number, int line, const QString& procName);

}
