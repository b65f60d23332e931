#include "platform/XmlText.h"

namespace platform {
namespace {

bool xmlCanCarry(char16_t c)
{
    return c == u'\t' || c == u'\n' || (c >= 0x20 && c < 0xFFFE);
}

int hexValue(char16_t d)
{
    if (d >= u'0' && d <= u'9')
        return d - u'0';
    if (d >= u'a' && d <= u'f')
        return d - u'a' + 10;
    if (d >= u'A' && d <= u'F')
        return d - u'A' + 10;
    return -1;
}

}

QString encodeXmlText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) {
            out += text[i];
            out += text[++i];
        } else if (c == u'\\') {
            out += QLatin1String("\\\\");
        } else if (!xmlCanCarry(c) || QChar::isSurrogate(c)) {
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<QString> decodeXmlText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'\\') {
            out += u'\\';
            ++i;
            continue;
        }
        if (i + 5 >= text.size() || text[i + 1] != u'u')
            return std::nullopt;
        char16_t code = 0;
        for (QChar digit : text.mid(i + 2, 4)) {
            const int value = hexValue(digit.unicode());
            if (value < 0)
                return std::nullopt;
            code = char16_t(code * 16 + value);
        }
        out += QChar(code);
        i += 5;
    }
    return out;
}

}
