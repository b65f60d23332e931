#pragma once

#include "common/modErroHandling.h"
#include "platform/ProcessEnd.h"
#include "platform/VbError.h"

#include <QString>
#include <exception>
#include <optional>

namespace common {

// What a procedure's error handler passes as the message of the error call.
enum class Message { LastStep, Description };

platform::VbError asVbError(const std::exception& error);

// Runs a procedure under its one error handler: an error raised inside goes to
// subHandleError with the procedure's name, which ends the program.
template<class F>
decltype(auto) handled(const QString& procName, Message message, F&& body)
{
    try {
        return body();
    } catch (const std::exception& raised) {
        const platform::VbError error = asVbError(raised);
        modErroHandling::subHandleError(message == Message::LastStep ? modErroHandling::fncGetLastStep()
                                                                     : error.description(),
                                        error.number(), error.line(), procName);
    }
}

// A window's event handler: it reports its failures under its own name, and a test's end of
// the program stops at the toolkit's door.
template<class F>
void handler(const char* procName, F&& work)
{
    platform::eventBoundary([&] { handled(QString::fromLatin1(procName), Message::LastStep, work); });
}

// Skips failing statements and keeps the last error pending, for the code that reads it.
class ResumeNext
{
public:
    template<class F>
    bool run(F&& statement)
    {
        try {
            statement();
            return true;
        } catch (const std::exception& raised) {
            m_error = asVbError(raised);
            return false;
        }
    }

    bool pending() const { return m_error.has_value(); }
    long number() const { return m_error ? m_error->number() : 0; }
    QString description() const { return m_error ? m_error->description() : QString(); }
    const std::optional<platform::VbError>& error() const { return m_error; }
    void clear() { m_error.reset(); }

private:
    std::optional<platform::VbError> m_error;
};

}
