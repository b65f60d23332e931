#pragma once

#include <QString>
#include <cstdint>
#include <exception>

namespace platform {

// A run-time error as the program's procedures raise and handle it: a number that
// callers test for (339, 340, 381, 438, 0x80004005, ...), a description, the source
// that raised it and the source line (0 where the raiser has no line numbers).
class VbError : public std::exception
{
public:
    VbError(long number, QString description, QString source = {}, int line = 0);

    long number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }
    int line() const { return m_line; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    long m_number;
    QString m_description;
    QString m_source;
    int m_line;
    QByteArray m_what;
};

// Error numbers that more than one layer raises or tests for.
namespace err {
constexpr long ComponentCannotCreate = 429;   // ActiveX component can't create object
constexpr long ObjectRequired = 424;
constexpr long MemberNotSupported = 438;   // object doesn't support this property or method
constexpr long InvalidPropertyValue = 380;
constexpr long CannotFindFile = 53;
constexpr long PermissionDenied = 70;
constexpr long PathNotFound = 76;
constexpr long FileAlreadyExists = 58;
constexpr long ControlArrayElementMissing = 340;
constexpr long ComponentNotRegistered = 339;
constexpr long SubscriptOutOfRange = 9;
constexpr long TypeMismatch = 13;
constexpr long KeyAlreadyExists = 457;
constexpr long ElementNotFound = 32811;   // dictionary key missing
constexpr long BadFileMode = 54;
constexpr long DeviceIOError = 57;
constexpr long InvalidArgument = 5;
// HRESULTs are 32-bit signed numbers: 0x80004005 is -2147467259.
constexpr long NoInterface = static_cast<std::int32_t>(0x80004002);   // E_NOINTERFACE
constexpr long Unspecified = static_cast<std::int32_t>(0x80004005);   // E_FAIL
}

[[noreturn]] void raiseError(long number, const QString& description, const QString& source = {}, int line = 0);

}
