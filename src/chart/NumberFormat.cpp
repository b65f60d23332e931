#include "chart/NumberFormat.h"

#include <QLocale>
#include <cmath>

namespace chart {
namespace {

struct Pattern
{
    QString prefix;
    QString suffix;
    int decimals = 0;
    bool grouping = false;
    bool percent = false;
    bool scientific = false;
    bool hasDigits = false;
};

bool isDigitPlaceholder(QChar ch)
{
    return ch == QLatin1Char('0') || ch == QLatin1Char('#');
}

// Splits "prefix digits suffix"; quoted text and backslash escapes are literal.
Pattern parsePattern(const QString& format)
{
    Pattern p;
    bool inDigits = false;
    bool afterDigits = false;
    bool afterPoint = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar ch = format[i];
        QString literal;
        if (ch == QLatin1Char('"')) {
            const int end = format.indexOf(QLatin1Char('"'), i + 1);
            literal = format.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? int(format.size()) : end;
        } else if (ch == QLatin1Char('\\') && i + 1 < format.size()) {
            literal = format[++i];
        } else if (!afterDigits && (isDigitPlaceholder(ch) || (inDigits && (ch == QLatin1Char(',') || ch == QLatin1Char('.'))))) {
            inDigits = true;
            p.hasDigits = true;
            if (ch == QLatin1Char('.'))
                afterPoint = true;
            else if (ch == QLatin1Char(','))
                p.grouping = true;
            else if (afterPoint)
                ++p.decimals;
            continue;
        } else if (inDigits && (ch == QLatin1Char('E') || ch == QLatin1Char('e'))) {
            p.scientific = true;
            afterDigits = true;
            while (i + 1 < format.size() && (format[i + 1] == QLatin1Char('+') || format[i + 1] == QLatin1Char('-')
                                             || isDigitPlaceholder(format[i + 1])))
                ++i;
            continue;
        } else {
            if (ch == QLatin1Char('%'))
                p.percent = true;
            literal = ch;
        }
        if (inDigits)
            afterDigits = true;
        (afterDigits ? p.suffix : p.prefix) += literal;
    }
    return p;
}

QString formatDigits(QLocale locale, double value, int decimals, bool grouping)
{
    if (!grouping)
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    else
        locale.setNumberOptions({});
    return locale.toString(value, 'f', decimals);
}

QString general(QLocale locale, double value)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

}

QString formatNumber(double value, const QString& format, const QLocale& locale)
{
    if (!std::isfinite(value))
        return general(locale, value);
    const QString name = format.trimmed();
    if (name.isEmpty() || name.compare(QLatin1String("General Number"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return general(locale, value);
    if (name.compare(QLatin1String("Currency"), Qt::CaseInsensitive) == 0) {
        const QString symbol = locale.currencySymbol();
        return locale.toCurrencyString(value, symbol.isEmpty() ? QStringLiteral("$") : symbol, 2);
    }
    if (name.compare(QLatin1String("Fixed"), Qt::CaseInsensitive) == 0)
        return formatDigits(locale, value, 2, false);
    if (name.compare(QLatin1String("Standard"), Qt::CaseInsensitive) == 0)
        return formatDigits(locale, value, 2, true);
    if (name.compare(QLatin1String("Percent"), Qt::CaseInsensitive) == 0)
        return formatDigits(locale, value * 100, 2, false) + QLatin1Char('%');
    if (name.compare(QLatin1String("Scientific"), Qt::CaseInsensitive) == 0)
        return locale.toString(value, 'E', 2);

    const QStringList sections = name.split(QLatin1Char(';'));
    const bool negativeSection = value < 0 && sections.size() > 1 && !sections[1].isEmpty();
    const Pattern p = parsePattern(negativeSection ? sections[1] : sections[0]);
    if (!p.hasDigits)
        return general(locale, value);
    double shown = negativeSection ? -value : value;
    if (p.percent)
        shown *= 100;
    const QString digits = p.scientific ? locale.toString(shown, 'E', p.decimals)
                                        : formatDigits(locale, shown, p.decimals, p.grouping);
    return p.prefix + digits + p.suffix;
}

}
