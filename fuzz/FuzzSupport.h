#pragma once

// What every harness shares: cutting the fuzzer's bytes into typed pieces, and reporting a
// finding so that libFuzzer and the corpus replay both count it as a failure.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Prints what went wrong and aborts.
[[noreturn]] void fail(const char* check, const QString& detail);

#define FUZZ_CHECK(condition, detail) \
    do { \
        if (!(condition)) \
            ::fuzz::fail(#condition, (detail)); \
    } while (false)

// Reads pieces off the front of the input; past the end every piece is empty or zero.
class Input
{
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_at >= m_size; }
    uint8_t byte();
    double number();   // eight bytes as they lie
    // A text of up to 255 UTF-16 code units (its length is the first byte), any code unit
    // allowed, lone surrogates included.
    QString text();
    QString restAsUtf16();   // every remaining pair of bytes, little-endian
    QByteArray rest();

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

// A QCoreApplication for harnesses whose code asks for one (settings, folders).
void startQt();

// A folder of this process's own, created on first use and emptied of nothing.
QString scratchFolder();

}
