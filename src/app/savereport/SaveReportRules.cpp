#include "app/savereport/SaveReportRules.h"

#include <QCoreApplication>
#include <QTextDocument>

namespace savereport {

namespace {

const QString kFieldSeparator = QStringLiteral("***");
const QString kDescriptionSeparator = QStringLiteral("XYZ");

bool holdsSeparator(QStringView text)
{
    return text.contains(kFieldSeparator) || text.contains(kDescriptionSeparator);
}

QString separatorIn(QStringView text)
{
    return text.contains(kFieldSeparator) ? kFieldSeparator : kDescriptionSeparator;
}

// Every third star of a run of three or more, from its first, so that no three stand
// together any more.
QString escapedText(QStringView text)
{
    QString out;
    out.reserve(text.size() + 16);
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.mid(i).startsWith(kDescriptionSeparator)) {
            out += QStringLiteral("&#88;YZ");
            i += 3;
            continue;
        }
        if (text[i] != QLatin1Char('*')) {
            out += text[i++];
            continue;
        }
        qsizetype run = 0;
        while (i + run < text.size() && text[i + run] == QLatin1Char('*'))
            ++run;
        for (qsizetype k = 0; k < run; ++k)
            out += (run >= 3 && k % 3 == 0) ? QStringLiteral("&#42;") : QStringLiteral("*");
        i += run;
    }
    return out;
}

bool startsTag(QStringView text, qsizetype at)
{
    if (text[at] != QLatin1Char('<') || at + 1 >= text.size())
        return false;
    const QChar next = text[at + 1];
    return next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!') || next == QLatin1Char('?');
}

// Where the markup that starts at `at` ends (one past it): a comment, or a tag with its
// quoted attribute values; for a script or style element, its closing tag.
qsizetype markupEnd(QStringView text, qsizetype at)
{
    if (text.mid(at).startsWith(u"<!--")) {
        const qsizetype close = text.indexOf(u"-->", at + 4);
        return close < 0 ? text.size() : close + 3;
    }
    QChar quote;
    qsizetype i = at + 1;
    for (; i < text.size(); ++i) {
        if (!quote.isNull()) {
            if (text[i] == quote)
                quote = QChar();
        } else if (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\'')) {
            quote = text[i];
        } else if (text[i] == QLatin1Char('>')) {
            ++i;
            break;
        }
    }
    for (const QStringView raw : {QStringView(u"script"), QStringView(u"style")}) {
        if (text.mid(at + 1).startsWith(raw, Qt::CaseInsensitive)) {
            const qsizetype close = text.indexOf(QStringLiteral("</") + raw.toString(), i, Qt::CaseInsensitive);
            return close < 0 ? text.size() : markupEnd(text, close);
        }
    }
    return i;
}

QString refusalMessage(const QString& fieldCaption, const QString& separator)
{
    return QCoreApplication::translate("savereport",
                                       "%1: \"%2\" cannot be stored in a report. Please write it another way.")
        .arg(fieldCaption, separator);
}

}

QString storedReportName(const QString& typed)
{
    if (typed.trimmed().isEmpty())
        return QString();
    if (typed.size() <= kMaxReportNameLength)
        return typed;
    qsizetype length = kMaxReportNameLength;
    if (typed[length - 1].isHighSurrogate())
        --length;
    return typed.left(length);
}

QString separatorRefusal(const QString& fieldCaption, const QString& value)
{
    if (!holdsSeparator(value))
        return QString();
    return refusalMessage(fieldCaption, separatorIn(value));
}

StoredDescription storedDescription(const QString& description, const QString& fieldCaption)
{
    if (!holdsSeparator(description))
        return {description, QString()};
    const QString html =
        Qt::mightBeRichText(description) ? description : Qt::convertFromPlainText(description, Qt::WhiteSpaceNormal);
    QString out;
    qsizetype text = 0;
    for (qsizetype i = 0; i < html.size();) {
        if (!startsTag(html, i)) {
            ++i;
            continue;
        }
        out += escapedText(QStringView(html).mid(text, i - text));
        const qsizetype end = markupEnd(html, i);
        const QStringView markup = QStringView(html).mid(i, end - i);
        if (holdsSeparator(markup))
            return {QString(), refusalMessage(fieldCaption, separatorIn(markup))};
        out += markup;
        i = text = end;
    }
    out += escapedText(QStringView(html).mid(text));
    return {out, QString()};
}

}
