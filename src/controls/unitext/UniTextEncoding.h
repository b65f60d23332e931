#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The text box's file encodings as pure functions over bytes. A file is a byte-order mark
// (BOM) and a body; the encoding code names both:
//
//   code   encoding              BOM
//   0      the file code page    none
//   1      UTF-8                 none
//   1200   UTF-16LE              FF FE
//   1201   UTF-16BE              FE FF
//   12000  UTF-32LE              FF FE 00 00
//   12001  UTF-32BE              00 00 FE FF
//   65000  UTF-7                 2B 2F 76 38 2D  ("+/v8-")
//   65001  UTF-8                 EF BB BF
//
// A BOM counts only when at least one byte follows it, so a file that is only a BOM is
// text of the file code page. Example: FF FE 00 00 41 00 00 00 is UTF-32LE "A"; FF FE 41 00
// is UTF-16LE "A"; FF FE alone is two characters of the file code page.
namespace unitext {

enum EncodingCode : int32_t {
    kFileCodePage = 0,
    kUtf8NoBom = 1,
    kUtf16LE = 1200,
    kUtf16BE = 1201,
    kUtf32LE = 12000,
    kUtf32BE = 12001,
    kUtf7 = 65000,
    kUtf8 = 65001,
};

bool isEncodingCode(int32_t code);

// The sniffer looks at no more than this many bytes of a file without BOM.
constexpr qint64 kSniffLimit = 2048;

struct ByteOrderMark
{
    int32_t code = kFileCodePage;
    int length = 0;
};

// The BOM of a whole file, first match in the order UTF-32BE, UTF-32LE, UTF-16BE,
// UTF-16LE, UTF-8, UTF-7; "+/v8" without its "-" is no BOM.
ByteOrderMark detectByteOrderMark(QByteArrayView file);

struct DecodedFile
{
    QString text;
    int32_t code = kFileCodePage;   // 1 when a file without BOM was taken for UTF-8
};

// Decodes a whole, non-empty file. `ifNoByteOrderMark` 1 sniffs a file without BOM for
// UTF-8, any other value takes the file code page. nullopt when the file code page is
// not one the program can convert: nothing is decoded then.
std::optional<DecodedFile> decodeFile(QByteArrayView file, int32_t ifNoByteOrderMark, int fileCodePage);

// The whole file for `text` in the encoding `code`, BOM first. nullopt for a code not in
// the table or a text that the converter cannot encode; nothing is to be written then.
std::optional<QByteArray> encodeFile(QStringView text, int32_t code, int fileCodePage);

// True when the first `limit` bytes hold at least one multi-byte UTF-8 sequence and
// nothing that is not UTF-8. Strict: overlong forms, encoded surrogates, code points
// above U+10FFFF, FE/FF and a sequence cut by the end of the bytes all answer False, so
// that True means the decoder below replaces nothing there. A sequence cut by the limit
// (more bytes follow) ends the walk, and the answer rests on what came before. Pure
// 7-bit text answers False.
bool Private_IsUTF8(QByteArrayView bytes, qint64 limit);

// UTF-8 both ways, by the Unicode rules: each maximal invalid subsequence decodes to one
// U+FFFD; a lone surrogate encodes as U+FFFD. `valid` tells whether nothing was replaced.
QString Private_UTF8toUTF16(QByteArrayView bytes, bool* valid = nullptr);
QByteArray Private_UTF16toUTF8(QStringView text);

// UTF-7 and the file code page, through the platform's converters; nullopt for a code
// page it does not know.
std::optional<QString> Private_UTF7toUTF16(QByteArrayView bytes);
std::optional<QByteArray> Private_UTF16toUTF7(QStringView text);
std::optional<QString> Private_FCPtoUTF16(QByteArrayView bytes, int fileCodePage);
std::optional<QByteArray> Private_UTF16toFCP(QStringView text, int fileCodePage);

// UTF-16 units as they stand (lone surrogates too); an odd last byte is kept as the
// character U+00xx rather than lost.
QString decodeUtf16(QByteArrayView body, bool bigEndian);

// 4-byte units; the high-order byte is not examined, code points above U+10FFFF are
// dropped, D800-DFFF pass as they are, and 1 to 3 bytes left over are ignored.
QString decodeUtf32(QByteArrayView body, bool bigEndian);

// Code points as 4-byte units. A high surrogate without its low one drops only itself; a
// lone low surrogate is written as its own value.
QByteArray encodeUtf32(QStringView text, bool bigEndian);

}
