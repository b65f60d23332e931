#include "platform/ConnectionStringSyntax.h"

namespace platform::connectionstringsyntax {

namespace {

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

bool isBlank(QChar c)
{
    return c.isSpace();
}

qsizetype nextSemicolon(const QString& text, qsizetype from)
{
    const qsizetype at = text.indexOf(QLatin1Char(';'), from);
    return at < 0 ? text.size() : at;
}

}

bool skipSeparators(const QString& text, qsizetype& pos)
{
    while (pos < text.size() && (isBlank(text[pos]) || text[pos] == QLatin1Char(';')))
        ++pos;
    return pos < text.size();
}

Item readItem(const QString& text, qsizetype pos)
{
    const qsizetype n = text.size();
    Item item;
    item.begin = pos;
    qsizetype i = pos;
    QString key;
    bool haveEquals = false;
    while (i < n) {
        if (text[i] == QLatin1Char('=')) {
            if (i + 1 < n && text[i + 1] == QLatin1Char('=')) {
                key += QLatin1Char('=');
                i += 2;
                continue;
            }
            haveEquals = true;
            ++i;
            break;
        }
        if (text[i] == QLatin1Char(';'))
            break;
        key += text[i++];
    }
    item.key = key.trimmed();
    if (!haveEquals) {
        item.problem = Problem::NoValue;
        item.valueBegin = item.end = i;
        return item;
    }
    if (item.key.isEmpty())
        item.problem = Problem::NoKeyword;
    while (i < n && isBlank(text[i]))
        ++i;
    item.valueBegin = i;
    if (i < n && isQuote(text[i])) {
        const QChar quote = text[i++];
        bool closed = false;
        while (i < n) {
            if (text[i] == quote) {
                if (i + 1 < n && text[i + 1] == quote) {
                    item.value += quote;
                    i += 2;
                    continue;
                }
                closed = true;
                ++i;
                break;
            }
            item.value += text[i++];
        }
        if (!closed) {
            item.problem = Problem::OpenQuote;
            item.end = n;
            return item;
        }
        while (i < n && isBlank(text[i]))
            ++i;
        if (i < n && text[i] != QLatin1Char(';')) {
            if (item.problem == Problem::None)
                item.problem = Problem::TextAfterQuote;
            i = nextSemicolon(text, i);
        }
        item.end = i;
        return item;
    }
    item.end = nextSemicolon(text, i);
    item.value = text.mid(i, item.end - i).trimmed();
    return item;
}

bool isPasswordKey(const QString& key)
{
    const QString lower = key.toLower();
    return lower == QLatin1String("password") || lower == QLatin1String("pwd");
}

QString quoteValue(const QString& value)
{
    // "=" first would be read as part of a "==" in the key.
    const bool plain = !value.contains(QLatin1Char(';')) && value == value.trimmed()
        && (value.isEmpty() || (!isQuote(value.front()) && value.front() != QLatin1Char('=')));
    if (plain)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString maskPasswords(const QString& text)
{
    static const QString kWords[] = {QStringLiteral("password"), QStringLiteral("pwd")};
    QString masked;
    qsizetype copied = 0;
    for (qsizetype p = 0; p < text.size(); ++p) {
        // Only a key that trims to one of the words can be a password key, so an item
        // is read only where such a word stands before blanks and "=".
        qsizetype after = -1;
        for (const QString& word : kWords) {
            if (QStringView(text).mid(p, word.size()).compare(word, Qt::CaseInsensitive) == 0) {
                after = p + word.size();
                break;
            }
        }
        if (after < 0)
            continue;
        while (after < text.size() && isBlank(text[after]))
            ++after;
        if (after >= text.size() || text[after] != QLatin1Char('='))
            continue;
        const Item item = readItem(text, p);
        if (item.problem == Problem::NoValue || !isPasswordKey(item.key))
            continue;
        qsizetype end = item.end;
        if (item.valueBegin < text.size() && text[item.valueBegin] == QLatin1Char('{')) {
            const qsizetype close = text.indexOf(QLatin1Char('}'), item.valueBegin);
            end = std::max(end, close < 0 ? text.size() : close + 1);
        }
        masked += QStringView(text).mid(copied, item.valueBegin - copied);
        masked += QLatin1String("***");
        copied = end;
        p = std::max(p, end - 1);
    }
    masked += QStringView(text).mid(copied);
    return masked;
}

}
