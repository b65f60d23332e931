#include "controls/unitext/UniTextEncoding.h"

#include "platform/CodePages.h"

#include <algorithm>

namespace unitext {

namespace {

constexpr char16_t kByteOrderMarkChar = 0xFEFF;
constexpr char16_t kReplacement = 0xFFFD;
const QByteArray kUtf7Mark = QByteArrayLiteral("+/v8-");

quint8 byteAt(QByteArrayView bytes, qsizetype i)
{
    return static_cast<quint8>(bytes[i]);
}

bool startsWith(QByteArrayView file, std::initializer_list<quint8> mark)
{
    if (file.size() < qsizetype(mark.size()))
        return false;
    qsizetype i = 0;
    for (quint8 byte : mark)
        if (byteAt(file, i++) != byte)
            return false;
    return true;
}

void appendCodePoint(QString& text, char32_t codePoint)
{
    if (codePoint > 0xFFFF) {
        text.append(QChar(char16_t(0xD800 + ((codePoint - 0x10000) >> 10))));
        text.append(QChar(char16_t(0xDC00 + (codePoint & 0x3FF))));
    } else {
        text.append(QChar(char16_t(codePoint)));
    }
}

void appendUnit16(QByteArray& bytes, char16_t unit, bool bigEndian)
{
    const char low = char(unit & 0xFF);
    const char high = char(unit >> 8);
    if (bigEndian)
        bytes.append(high).append(low);
    else
        bytes.append(low).append(high);
}

void appendUnit32(QByteArray& bytes, char32_t value, bool bigEndian)
{
    char unit[4];
    for (int i = 0; i < 4; ++i)
        unit[bigEndian ? 3 - i : i] = char((value >> (8 * i)) & 0xFF);
    bytes.append(unit, 4);
}

// The range the second byte of a sequence must lie in, and how many bytes follow the
// lead; follow 0 for a byte that starts no sequence.
struct Lead
{
    int follow = 0;
    quint8 low = 0x80;
    quint8 high = 0xBF;
};

Lead leadOf(quint8 byte)
{
    if (byte >= 0xC2 && byte <= 0xDF)
        return {1};
    if (byte == 0xE0)
        return {2, 0xA0, 0xBF};
    if (byte == 0xED)
        return {2, 0x80, 0x9F};   // no encoded surrogates
    if (byte >= 0xE1 && byte <= 0xEF)
        return {2};
    if (byte == 0xF0)
        return {3, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {3};
    if (byte == 0xF4)
        return {3, 0x80, 0x8F};   // nothing above U+10FFFF
    return {};
}

bool continues(QByteArrayView bytes, qsizetype at, const Lead& lead, int index)
{
    const quint8 byte = byteAt(bytes, at);
    return index == 0 ? byte >= lead.low && byte <= lead.high : byte >= 0x80 && byte <= 0xBF;
}

}

bool isEncodingCode(int32_t code)
{
    switch (code) {
    case kFileCodePage:
    case kUtf8NoBom:
    case kUtf16LE:
    case kUtf16BE:
    case kUtf32LE:
    case kUtf32BE:
    case kUtf7:
    case kUtf8:
        return true;
    default:
        return false;
    }
}

ByteOrderMark detectByteOrderMark(QByteArrayView file)
{
    const qsizetype size = file.size();
    if (size >= 5 && startsWith(file, {0x00, 0x00, 0xFE, 0xFF}))
        return {kUtf32BE, 4};
    if (size >= 5 && startsWith(file, {0xFF, 0xFE, 0x00, 0x00}))
        return {kUtf32LE, 4};
    if (size >= 3 && startsWith(file, {0xFE, 0xFF}))
        return {kUtf16BE, 2};
    if (size >= 3 && startsWith(file, {0xFF, 0xFE}))
        return {kUtf16LE, 2};
    if (size >= 4 && startsWith(file, {0xEF, 0xBB, 0xBF}))
        return {kUtf8, 3};
    if (size >= 6 && file.startsWith(QByteArrayView(kUtf7Mark)))
        return {kUtf7, 5};
    return {};
}

std::optional<DecodedFile> decodeFile(QByteArrayView file, int32_t ifNoByteOrderMark, int fileCodePage)
{
    const ByteOrderMark mark = detectByteOrderMark(file);
    const QByteArrayView body = file.sliced(mark.length);
    switch (mark.code) {
    case kUtf16LE:
    case kUtf16BE:
        return DecodedFile{decodeUtf16(body, mark.code == kUtf16BE), mark.code};
    case kUtf32LE:
    case kUtf32BE:
        return DecodedFile{decodeUtf32(body, mark.code == kUtf32BE), mark.code};
    case kUtf8:
        return DecodedFile{Private_UTF8toUTF16(body), kUtf8};
    case kUtf7:
        if (auto text = Private_UTF7toUTF16(body))
            return DecodedFile{*text, kUtf7};
        return std::nullopt;
    default:
        break;
    }
    if (ifNoByteOrderMark == 1 && Private_IsUTF8(body, kSniffLimit)) {
        // The sniffer sees only the head; bytes further on that are no UTF-8 send the
        // file to its code page rather than to a lossy decode.
        bool valid = false;
        QString text = Private_UTF8toUTF16(body, &valid);
        if (valid)
            return DecodedFile{text, kUtf8NoBom};
    }
    if (auto text = Private_FCPtoUTF16(body, fileCodePage))
        return DecodedFile{*text, kFileCodePage};
    return std::nullopt;
}

std::optional<QByteArray> encodeFile(QStringView text, int32_t code, int fileCodePage)
{
    QByteArray bytes;
    switch (code) {
    case kUtf16LE:
    case kUtf16BE:
        bytes.reserve(2 * (text.size() + 1));
        appendUnit16(bytes, kByteOrderMarkChar, code == kUtf16BE);
        for (QChar unit : text)
            appendUnit16(bytes, unit.unicode(), code == kUtf16BE);
        return bytes;
    case kUtf32LE:
    case kUtf32BE:
        appendUnit32(bytes, kByteOrderMarkChar, code == kUtf32BE);
        return bytes + encodeUtf32(text, code == kUtf32BE);
    case kUtf7:
        if (auto body = Private_UTF16toUTF7(text))
            return kUtf7Mark + *body;
        return std::nullopt;
    case kUtf8:
        return QByteArrayLiteral("\xEF\xBB\xBF") + Private_UTF16toUTF8(text);
    case kUtf8NoBom:
        return Private_UTF16toUTF8(text);
    case kFileCodePage:
        return Private_UTF16toFCP(text, fileCodePage);
    default:
        return std::nullopt;
    }
}

bool Private_IsUTF8(QByteArrayView bytes, qint64 limit)
{
    if (limit < 0)
        return false;
    const bool cutByLimit = limit < bytes.size();
    limit = std::min<qint64>(limit, bytes.size());
    qint64 pos = 0;
    int sequences = 0;
    while (pos < limit) {
        const quint8 byte = byteAt(bytes, pos);
        if (byte < 0x80) {
            ++pos;
            continue;
        }
        const Lead lead = leadOf(byte);
        if (lead.follow == 0)
            return false;
        if (pos + lead.follow >= limit) {
            if (cutByLimit)
                break;
            return false;   // cut by the end of the bytes: the decoder would replace it
        }
        for (int i = 0; i < lead.follow; ++i)
            if (!continues(bytes, pos + 1 + i, lead, i))
                return false;
        ++sequences;
        pos += lead.follow + 1;
    }
    return sequences > 0;
}

QString Private_UTF8toUTF16(QByteArrayView bytes, bool* valid)
{
    QString text;
    text.reserve(bytes.size());
    bool clean = true;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        const quint8 byte = byteAt(bytes, i);
        if (byte < 0x80) {
            text.append(QChar(char16_t(byte)));
            ++i;
            continue;
        }
        const Lead lead = leadOf(byte);
        if (lead.follow == 0) {
            text.append(QChar(kReplacement));
            clean = false;
            ++i;
            continue;
        }
        char32_t codePoint = byte & (0x7F >> (lead.follow + 1));
        qsizetype next = i + 1;
        int taken = 0;
        while (taken < lead.follow && next < n && continues(bytes, next, lead, taken)) {
            codePoint = (codePoint << 6) | (byteAt(bytes, next) & 0x3F);
            ++next;
            ++taken;
        }
        if (taken == lead.follow) {
            appendCodePoint(text, codePoint);
        } else {
            text.append(QChar(kReplacement));   // one for the whole valid prefix
            clean = false;
        }
        i = next;
    }
    if (valid)
        *valid = clean;
    return text;
}

QByteArray Private_UTF16toUTF8(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 3);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(codePoint)) {
            codePoint = kReplacement;
        }
        if (codePoint < 0x80) {
            bytes.append(char(codePoint));
        } else if (codePoint < 0x800) {
            bytes.append(char(0xC0 | (codePoint >> 6)));
            bytes.append(char(0x80 | (codePoint & 0x3F)));
        } else if (codePoint < 0x10000) {
            bytes.append(char(0xE0 | (codePoint >> 12)));
            bytes.append(char(0x80 | ((codePoint >> 6) & 0x3F)));
            bytes.append(char(0x80 | (codePoint & 0x3F)));
        } else {
            bytes.append(char(0xF0 | (codePoint >> 18)));
            bytes.append(char(0x80 | ((codePoint >> 12) & 0x3F)));
            bytes.append(char(0x80 | ((codePoint >> 6) & 0x3F)));
            bytes.append(char(0x80 | (codePoint & 0x3F)));
        }
    }
    return bytes;
}

std::optional<QString> Private_UTF7toUTF16(QByteArrayView bytes)
{
    return platform::codepages::toUnicode(platform::codepages::kUtf7, bytes);
}

std::optional<QByteArray> Private_UTF16toUTF7(QStringView text)
{
    return platform::codepages::fromUnicode(platform::codepages::kUtf7, text);
}

std::optional<QString> Private_FCPtoUTF16(QByteArrayView bytes, int fileCodePage)
{
    return platform::codepages::toUnicode(fileCodePage, bytes);
}

std::optional<QByteArray> Private_UTF16toFCP(QStringView text, int fileCodePage)
{
    return platform::codepages::fromUnicode(fileCodePage, text);
}

QString decodeUtf16(QByteArrayView body, bool bigEndian)
{
    QString text;
    text.reserve(body.size() / 2 + 1);
    qsizetype i = 0;
    for (; i + 1 < body.size(); i += 2) {
        const quint8 first = byteAt(body, i);
        const quint8 second = byteAt(body, i + 1);
        text.append(QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first)));
    }
    if (i < body.size())
        text.append(QChar(char16_t(byteAt(body, i))));
    return text;
}

QString decodeUtf32(QByteArrayView body, bool bigEndian)
{
    QString text;
    text.reserve(body.size() / 2);
    for (qsizetype i = 0; i + 3 < body.size(); i += 4) {
        const quint8 b0 = byteAt(body, i), b1 = byteAt(body, i + 1), b2 = byteAt(body, i + 2), b3 = byteAt(body, i + 3);
        const char32_t codePoint = bigEndian ? char32_t(b3 | b2 << 8 | b1 << 16) : char32_t(b0 | b1 << 8 | b2 << 16);
        if (codePoint <= 0x10FFFF)
            appendCodePoint(text, codePoint);
    }
    return text;
}

QByteArray encodeUtf32(QStringView text, bool bigEndian)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 4);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate()) {
            if (i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                appendUnit32(bytes, QChar::surrogateToUcs4(unit, text[i + 1]), bigEndian);
                ++i;
            }
            continue;   // a lone high surrogate: only it is dropped
        }
        appendUnit32(bytes, unit.unicode(), bigEndian);
    }
    return bytes;
}

}
