#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace platform {

// Why an operation failed, told whole: what went wrong, the file it went wrong on, and
// the system's own error number when the system refused.
struct Failure
{
    Failure() = default;
    // What is not known may be left out: Failure{why}, Failure{{}, path, errno}.
    explicit Failure(QString why, QString file = {}, int systemError = 0)
        : message(std::move(why)), path(std::move(file)), osError(systemError)
    {
    }

    QString message;
    QString path;
    int osError = 0;   // errno; 0 when the failure is not the system's

    // "path: message (system's text)", leaving out what is not known; a failure that is
    // only the system's refusal of a file reads "path: system's text".
    QString text() const;
};

// The outcome of an operation that can fail in an expected way: its value, or the failure.
// Code below the procedures that have an error handler returns this instead of raising a
// numbered error (see docs/development.md).
template<class T>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Throws std::bad_optional_access on a failure: ask ok() first.
    const T& value() const& { return m_value.value(); }
    T&& value() && { return std::move(m_value).value(); }
    // Empty on success.
    const Failure& failure() const { return m_failure; }

private:
    std::optional<T> m_value;
    Failure m_failure;
};

template<>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_ok(false), m_failure(std::move(failure)) {}

    bool ok() const { return m_ok; }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return m_failure; }

private:
    bool m_ok = true;
    Failure m_failure;
};

}
