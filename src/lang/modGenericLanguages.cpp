#include "lang/modGenericLanguages.h"

#include "lang/LanguageServices.h"
#include "lang/LanguageState.h"
#include "platform/VbError.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <cmath>

namespace modGenericLanguages {

namespace {

constexpr QChar kByteOrderMark(0xFEFF);
constexpr long kResourceNotFound = 326;

// The whole-number reading of a registry text, as a 16-bit integer: decimals are rounded
// to even, anything else (no number, out of range) is no value.
std::optional<qint16> toInteger16(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

QString decodeUtf16Le(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text.append(
            QChar(static_cast<char16_t>(static_cast<uchar>(bytes[i]) | (static_cast<uchar>(bytes[i + 1]) << 8))));
    return text;
}

QString tableText(bool blnConvert)
{
    const QByteArray bytes = phraseTableBytes();
    if (!blnConvert)
        return decodeUtf16Le(bytes);
    // The table's bytes taken as text of the system's code page.
    QStringDecoder widen(QStringDecoder::System, QStringConverter::Flag::Stateless);
    return widen(bytes);
}

const QString& field(const QStringList& fields, int index)
{
    if (index < 0 || index >= fields.size())
        platform::raiseError(platform::err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return fields[index];
}

// Reads every line but the piece after the final CR LF. A line that cannot be read stops
// the reading with a message naming it, then the error call.
void readTable(qint16 language, bool blnConvert, bool longest, const QString& procName)
{
    QString lastText;
    QString failingKey;
    int lineIndex = -1;
    try {
        lang::services().logStep(QStringLiteral("Reading language phrases from resource file"));
        QString text = tableText(blnConvert);
        if (text.startsWith(kByteOrderMark))
            text.remove(0, 1);
        colPhrases() = PhraseCollection{};

        const QStringList lines = text.split(QStringLiteral("\r\n"));
        for (lineIndex = 0; lineIndex < lines.size() - 1; ++lineIndex) {
            const QStringList fields = lines[lineIndex].split(QLatin1Char('\t'));
            failingKey = fields[0];
            QString phrase = longest ? GetLongestPhrase(fields) : field(fields, language);
            if (phrase.isEmpty())
                phrase = field(fields, kEnglishColumn);
            lastText = phrase;

            cPhrase entry;
            QString key = fields[0];
            if (key.startsWith(kByteOrderMark))
                key.remove(0, 1);
            entry.setLangConstant(key);
            entry.setLangPhrase(fncValidateString(phrase));
            colPhrases().add(entry);
        }
    } catch (const platform::VbError& error) {
        if (lineIndex >= 0)
            lang::services().showMessage(lastText + QStringLiteral("\r\n") + failingKey + QStringLiteral("\r\nLINE - ")
                                         + QString::number(lineIndex + 1));
        lang::reportError(error.description(), error.number(), 0, procName);
    }
}

}

qint16 fncGetlocalLanguage(const std::function<int()>& systemLcid, const std::function<QString()>& readOverride)
{
    qint16 forced = 0;
    try {
        forced = toInteger16(readOverride()).value_or(0);
    } catch (...) {
        forced = 0;   // any trouble with the override leaves the choice to the locale
    }
    if (forced == kLayoutTest)
        return kLayoutTest;
    // A negative number would name no column and make the first line of the table fail.
    if (forced > 0 && forced <= 15)
        return forced;

    int lcid = 0;
    try {
        lcid = systemLcid();
    } catch (...) {
        lcid = 0;
    }
    return static_cast<qint16>(columnOfLcid(lcid));
}

int columnOfLcid(int lcid)
{
    static const QHash<int, int> columns = [] {
        const struct
        {
            int column;
            std::initializer_list<int> lcids;
        } rows[] = {
            {1, {1029}},
            {2, {1030}},
            {3, {1043, 2067}},
            {5, {1035}},
            {6, {1036, 2060, 3084, 5132, 4108}},
            {7, {1031, 3079, 5127, 4103, 2055}},
            {8, {1032}},
            {9, {1040, 2064}},
            {10, {1044}},
            {11, {2070}},
            {12, {1060}},
            {13, {3082,  1034, 11274, 16394, 13322, 9226,  5130,  7178,  12298, 4106,
                  18442, 2058, 19466, 6154,  10250, 20490, 15370, 17418, 14346, 8202}},
            {14, {1053}},
            {15, {1055}},
        };
        QHash<int, int> hash;
        for (const auto& row : rows)
            for (int rowLcid : row.lcids)
                hash.insert(rowLcid, row.column);
        return hash;
    }();
    return columns.value(lcid, kEnglishColumn);
}

void subReadPhrases(qint16 language, bool blnConvert)
{
    if (language == kLayoutTest) {
        subReadTestPhrases(blnConvert);
        return;
    }
    readTable(language, blnConvert, false, QStringLiteral("subReadPhrases"));
}

void subReadTestPhrases(bool blnConvert)
{
    readTable(kLayoutTest, blnConvert, true, QStringLiteral("subReadTestPhrases"));
}

QString GetLongestPhrase(const QStringList& fields)
{
    QString longest;
    for (qsizetype i = 1; i < fields.size(); ++i)
        if (fields[i].size() > longest.size())
            longest = fields[i];
    return longest;
}

QString fncValidateString(const QString& text)
{
    QString cleaned = text;
    cleaned.remove(QLatin1Char('\''));
    return cleaned;
}

PhraseCollection& colPhrases()
{
    return lang::languageState.phrases;
}

QByteArray phraseTableBytes()
{
    if (const std::optional<QByteArray>& installed = lang::services().phraseTable)
        return *installed;
    QFile resource(QStringLiteral(":/CUSTOM/LANGUAGE"));
    if (!resource.open(QIODevice::ReadOnly))
        platform::raiseError(kResourceNotFound, QStringLiteral("Resource with identifier 'LANGUAGE' not found"));
    return resource.readAll();
}

}
