#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Conversions between text and the bytes of a Windows code page, through ICU, whose
// tables for the Windows code pages match them byte for byte (windows-1252 maps 0x81 to
// U+0081 as Windows does, where iconv refuses the byte).
namespace platform::codepages {

constexpr int kUtf7 = 65000;
constexpr int kUtf8 = 65001;

// The ICU converter for a Windows code page number: every number that ICU has a table for
// (Johab 1361 and Mac Japanese 10001 it has not); nullptr for a number not known here.
// The UTF-16 and UTF-32 numbers (1200, 1201, 12000, 12001) are not byte code pages and
// are not known here either.
const char* converterName(int codePage);

bool isKnown(int codePage);

// Decodes every byte; bytes that are no character of the code page become U+FFFD.
// nullopt only for a code page not known here.
std::optional<QString> toUnicode(int codePage, QByteArrayView bytes);

// Encodes the whole text, however many bytes that takes (ISO-2022 code pages need many
// more than one byte a unit). A character the code page lacks becomes its closest
// equivalent where the code page's table names one, else "?"; the UTF code pages encode a
// lone surrogate as U+FFFD. nullopt for a code page not known here or a converter failure.
std::optional<QByteArray> fromUnicode(int codePage, QStringView text);

}
