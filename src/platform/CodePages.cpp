#include "platform/CodePages.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

namespace platform::codepages {

namespace {

struct CodePageName
{
    int codePage;
    const char* name;
};

// ICU's "windows-*" tables are the Windows code pages themselves; the others are the tables
// that Windows uses for these numbers, where ICU has no "windows-" name for them.
constexpr CodePageName kNames[] = {
    {437, "ibm-437"},
    {850, "ibm-850"},
    {852, "ibm-852"},
    {855, "ibm-855"},
    {857, "ibm-857"},
    {860, "ibm-860"},
    {863, "ibm-863"},
    {864, "ibm-864"},
    {865, "ibm-865"},
    {866, "ibm-866"},
    {874, "windows-874"},
    {932, "windows-31j"},
    {936, "windows-936"},
    {949, "windows-949"},
    {950, "windows-950"},
    {1250, "windows-1250"},
    {1251, "windows-1251"},
    {1252, "windows-1252"},
    {1253, "windows-1253"},
    {1254, "windows-1254"},
    {1255, "windows-1255"},
    {1256, "windows-1256"},
    {1257, "windows-1257"},
    {1258, "windows-1258"},
    {10000, "macintosh"},
    {20127, "US-ASCII"},
    {20866, "KOI8-R"},
    {20932, "EUC-JP"},
    {20936, "GB2312"},
    {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},
    {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"},
    {50220, "ISO-2022-JP"},
    {50221, "ISO-2022-JP"},
    // Half-width katakana between SO and SI.
    {50222, "ISO_2022,locale=ja,version=3"},
    {50225, "ISO-2022-KR"},
    {50227, "ISO-2022-CN"},
    {51932, "EUC-JP"},
    {51936, "GB2312"},
    {51949, "EUC-KR"},
    {52936, "HZ-GB-2312"},
    {54936, "GB18030"},
    {kUtf7, "UTF-7"},
    {kUtf8, "UTF-8"},
};

// UTF-16 and UTF-32 are no byte code pages, though ICU knows "windows-1200".
constexpr int kWideForms[] = {1200, 1201, 12000, 12001};

// Every other number ICU knows as a Windows code page under its own "windows-" name; the
// names are kept for the life of the program, as the table's are.
const char* windowsAlias(int codePage)
{
    static std::mutex guard;
    static std::map<int, std::optional<std::string>> known;
    const std::lock_guard lock(guard);
    auto it = known.find(codePage);
    if (it == known.end()) {
        std::string name = "windows-" + std::to_string(codePage);
        UErrorCode status = U_ZERO_ERROR;
        const bool opens = ucnv_countAliases(name.c_str(), &status) > 0 && U_SUCCESS(status);
        it = known.emplace(codePage, opens ? std::optional<std::string>(std::move(name)) : std::nullopt).first;
    }
    return it->second ? it->second->c_str() : nullptr;
}

struct ConverterCloser
{
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter open(int codePage)
{
    const char* name = converterName(codePage);
    if (!name)
        return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &status));
    if (U_FAILURE(status))
        return nullptr;
    return converter;
}

// ICU substitutes U+001A for bytes that some tables declare unmappable; Windows and the
// rest of this program use U+FFFD for every byte that is no character.
void substituteReplacementCharacter(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                                    UConverterCallbackReason reason, UErrorCode* status)
{
    if (reason > UCNV_IRREGULAR)
        return;
    *status = U_ZERO_ERROR;
    const UChar replacement = 0xFFFD;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, status);
}

bool isUnicodeForm(int codePage)
{
    return codePage == kUtf7 || codePage == kUtf8;
}

const UChar* units(QStringView text)
{
    static_assert(sizeof(UChar) == sizeof(QChar));
    return reinterpret_cast<const UChar*>(text.utf16());
}

}

const char* converterName(int codePage)
{
    for (const auto& entry : kNames)
        if (entry.codePage == codePage)
            return entry.name;
    if (codePage <= 0 || std::find(std::begin(kWideForms), std::end(kWideForms), codePage) != std::end(kWideForms))
        return nullptr;
    return windowsAlias(codePage);
}

bool isKnown(int codePage)
{
    return converterName(codePage) != nullptr;
}

std::optional<QString> toUnicode(int codePage, QByteArrayView bytes)
{
    Converter converter = open(codePage);
    if (!converter)
        return std::nullopt;
    if (bytes.isEmpty())
        return QString();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter.get(), substituteReplacementCharacter, nullptr, nullptr, nullptr, &status);
    if (U_FAILURE(status))
        return std::nullopt;
    // No code page makes more UTF-16 units than bytes, but the preflight makes that a
    // measurement rather than a promise.
    const int32_t needed = ucnv_toUChars(converter.get(), nullptr, 0, bytes.data(), int32_t(bytes.size()), &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return std::nullopt;
    QString text(needed, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    ucnv_resetToUnicode(converter.get());
    const int32_t made = ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()), needed, bytes.data(),
                                       int32_t(bytes.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return std::nullopt;
    text.resize(made);
    return text;
}

std::optional<QByteArray> fromUnicode(int codePage, QStringView text)
{
    Converter converter = open(codePage);
    if (!converter)
        return std::nullopt;
    if (text.isEmpty())
        return QByteArray();
    UErrorCode status = U_ZERO_ERROR;
    if (!isUnicodeForm(codePage)) {
        // ICU's own substitute is the control character 0x1A; Windows writes "?".
        ucnv_setSubstChars(converter.get(), "?", 1, &status);
        ucnv_setFallback(converter.get(), true);
        if (U_FAILURE(status))
            return std::nullopt;
    }
    const int32_t needed = ucnv_fromUChars(converter.get(), nullptr, 0, units(text), int32_t(text.size()), &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return std::nullopt;
    QByteArray bytes(needed, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(converter.get());
    const int32_t made =
        ucnv_fromUChars(converter.get(), bytes.data(), needed, units(text), int32_t(text.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return std::nullopt;
    bytes.resize(made);
    return bytes;
}

}
