#include "olap/NumberFormat.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

namespace olap {
namespace {

// Splits a pattern at the ";" that are not inside quotes.
QStringList sections(const QString& pattern)
{
    QStringList parts;
    QString current;
    bool quoted = false;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'"')
            quoted = !quoted;
        if (c == u'\\' && i + 1 < pattern.size()) {
            current += c;
            current += pattern.at(++i);
            continue;
        }
        if (c == u';' && !quoted) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

bool isDigitPlaceholder(QChar c)
{
    return c == u'0' || c == u'#' || c == u'?';
}

// Literal text of a pattern piece: quotes and backslashes removed.
QString literal(const QString& piece)
{
    QString out;
    for (int i = 0; i < piece.size(); ++i) {
        const QChar c = piece.at(i);
        if (c == u'"')
            continue;
        if (c == u'\\' && i + 1 < piece.size()) {
            out += piece.at(++i);
            continue;
        }
        out += c;
    }
    return out;
}

QString groupDigits(const QString& digits, const QLocale& locale)
{
    QString out;
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += locale.groupSeparator();
        out += digits.at(i);
    }
    return out;
}

// Whether a non-negative value lies exactly halfway between two numbers of `decimals` places:
// with v = M * 2^e and M odd, v * 10^decimals has the fraction one half exactly when
// e = -(decimals + 1).
bool isHalfway(long double value, int decimals)
{
    if (!(value > 0) || !std::isfinite(value))
        return false;
    int exponent = 0;
    const long double fraction = std::frexp(value, &exponent);   // in [0.5, 1)
    auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 64));
    exponent -= 64;
    const int zeros = __builtin_ctzll(mantissa);
    return exponent + zeros == -(decimals + 1);
}

// Fixed-point digits of a non-negative value; "." as the point. A value halfway between two
// results rounds up, as people round by hand (25.625 gives 25.63, 2.5 gives 3), where printf
// alone would round to the even digit.
QString fixed(long double value, int decimals)
{
    if (isHalfway(value, decimals))
        value = std::nextafter(value, std::numeric_limits<long double>::infinity());
    const int size = std::snprintf(nullptr, 0, "%.*Lf", decimals, value);
    std::string text(size_t(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*Lf", decimals, value);
    return QString::fromLatin1(text.data(), size);
}

// The digits of a whole number.
QString decimalDigits(unsigned __int128 value)
{
    QString digits;
    do {
        digits.prepend(QChar(u'0' + char16_t(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

// One section, applied to a value that is already non-negative. A whole value (below 2^64,
// which extended precision holds exactly) shows every digit, also when scaled to a percentage.
QString formatSection(long double value, bool whole, const QString& section, const QLocale& locale)
{
    // Locate the numeric part: from the first digit placeholder (or a point before one)
    // to the last placeholder, skipping quoted text.
    int first = -1, last = -1;
    bool quoted = false;
    bool percent = false;   // only a bare "%" scales; a quoted or escaped one is text
    bool inExponent = false;
    for (int i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (c == u'"') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == u'\\') {
            ++i;
            continue;
        }
        if (c == u'%') {
            percent = true;
            continue;
        }
        if ((c == u'E' || c == u'e') && i + 1 < section.size()
            && (section.at(i + 1) == u'+' || section.at(i + 1) == u'-'))
            inExponent = true;
        if (inExponent)
            continue;
        const bool numeric = isDigitPlaceholder(c) || c == u'.' || (c == u',' && first >= 0);
        if (numeric) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    // Scaled in extended precision, where no finite value becomes infinite or zero.
    long double scaledValue = percent ? value * 100.0L : value;
    std::optional<unsigned __int128> exact;
    if (whole)
        exact = (unsigned __int128)(quint64(value)) * (percent ? 100 : 1);
    if (first < 0)
        return literal(section);

    QString number = section.mid(first, last - first + 1);
    // Scientific notation: "0.00E+00" signs every exponent, "0.00E-00" only a negative one.
    int e = int(section.indexOf(QLatin1String("E+"), last + 1, Qt::CaseInsensitive));
    const bool signAlways = e >= 0;
    if (e < 0)
        e = int(section.indexOf(QLatin1String("E-"), last + 1, Qt::CaseInsensitive));
    const int point = int(number.indexOf(u'.'));
    const QString intPart = point < 0 ? number : number.left(point);
    const QString fracPart = point < 0 ? QString() : number.mid(point + 1);
    int maxDecimals = 0, minDecimals = 0;
    for (QChar c : fracPart) {
        if (isDigitPlaceholder(c))
            ++maxDecimals;
        if (c == u'0')
            ++minDecimals;
    }
    // Commas right before the point (or the end) scale by a thousand each.
    QString intTrimmed = intPart;
    while (intTrimmed.endsWith(u',')) {
        intTrimmed.chop(1);
        scaledValue /= 1000.0L;
        exact.reset();
    }
    const bool grouping = intTrimmed.contains(u',');
    const int minIntDigits = int(intTrimmed.count(u'0'));

    QString prefix = literal(section.left(first));
    QString suffix;
    QString mantissa;
    if (e >= 0) {
        int exponent = scaledValue == 0.0L ? 0 : int(std::floor(std::log10(scaledValue)));
        long double scaled = scaledValue / std::pow(10.0L, exponent);
        mantissa = fixed(scaled, maxDecimals);
        if (mantissa.indexOf(u'.') == 2 || (mantissa.size() == 2 && maxDecimals == 0)) {   // rounded up to 10
            mantissa = fixed(scaled / 10.0L, maxDecimals);
            ++exponent;
        }
        int placeholders = 0;   // the exponent's digits; any text after them is a suffix
        while (e + 2 + placeholders < section.size() && isDigitPlaceholder(section.at(e + 2 + placeholders)))
            ++placeholders;
        QString exp = QString::number(std::abs(exponent)).rightJustified(std::max(1, placeholders), u'0');
        suffix = (exponent < 0 ? QStringLiteral("E-") : signAlways ? QStringLiteral("E+") : QStringLiteral("E")) + exp;
        suffix += literal(section.mid(e + 2 + placeholders));
    } else {
        mantissa = exact ? decimalDigits(*exact) + QLatin1Char('.') + QString(maxDecimals, u'0')
                         : fixed(scaledValue, maxDecimals);
        suffix = literal(section.mid(last + 1));
    }
    QString digits = mantissa;
    QString decimals;
    const int dot = int(mantissa.indexOf(u'.'));
    if (dot >= 0) {
        digits = mantissa.left(dot);
        decimals = mantissa.mid(dot + 1);
    }
    while (decimals.size() > minDecimals && decimals.endsWith(u'0'))
        decimals.chop(1);
    if (digits == QLatin1String("0") && minIntDigits == 0)
        digits.clear();
    if (digits.size() < minIntDigits)
        digits = digits.rightJustified(minIntDigits, u'0');
    QString out = grouping ? groupDigits(digits, locale) : digits;
    if (!decimals.isEmpty())
        out += locale.decimalPoint() + decimals;
    if (out.isEmpty())
        out = QStringLiteral("0");
    return prefix + out + suffix;
}

QString namedFormat(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("fixed"))
        return QStringLiteral("0.00");
    if (n == QLatin1String("standard"))
        return QStringLiteral("#,##0.00");
    if (n == QLatin1String("percent"))
        return QStringLiteral("0.00%");
    if (n == QLatin1String("scientific"))
        return QStringLiteral("0.00E+00");
    return {};
}

}

namespace {

// A value beyond 2^53 is whole when it comes from a whole number, which it holds exactly:
// extended precision has 64 bits of mantissa.
QString formatValue(long double value, bool whole, const QString& format, const QLocale& locale)
{
    const QString name = format.trimmed().toLower();
    if (name.isEmpty() || name == QLatin1String("general number") || name == QLatin1String("general")) {
        // A whole number shows every digit it holds, where 15 significant digits would round it.
        if (whole || (std::trunc(value) == value && std::abs(value) < 0x1p63L))
            return locale.toString(qint64(value)).remove(locale.groupSeparator());
        return locale.toString(double(value), 'g', 15).remove(locale.groupSeparator());
    }
    // Truth formats: any value but zero is the first word.
    for (const auto& [named, yes, no] : {std::tuple{"yes/no", "Yes", "No"}, std::tuple{"true/false", "True", "False"},
                                         std::tuple{"on/off", "On", "Off"}}) {
        if (name == QLatin1String(named))
            return QString::fromLatin1(value != 0 ? yes : no);
    }
    if (name == QLatin1String("currency")) {
        QString symbol = locale.currencySymbol();
        if (symbol.isEmpty())
            symbol = QStringLiteral("$");
        if (!whole)
            return locale.toCurrencyString(double(value), symbol, 2);
        // The locale's layout of a currency amount of one, its digit replaced by every digit of
        // the value (whose magnitude may be 2^63, which no qlonglong holds) and two decimals.
        QString text = locale.toCurrencyString(qlonglong(value < 0 ? -1 : 1), symbol);
        const auto one = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
        const QString amount =
            locale.toString(qulonglong(std::abs(value))) + locale.decimalPoint() + locale.zeroDigit().repeated(2);
        return text.replace(one - text.begin(), 1, amount);
    }
    const QString pattern = namedFormat(format).isEmpty() ? format : namedFormat(format);
    const QStringList parts = sections(pattern);
    if (value < 0 && parts.size() > 1 && !parts.at(1).isEmpty())
        return formatSection(-value, whole, parts.at(1), locale);
    if (value == 0 && parts.size() > 2 && !parts.at(2).isEmpty())
        return formatSection(0.0L, whole, parts.at(2), locale);
    QString text = formatSection(std::abs(value), whole, parts.at(0), locale);
    // A value that rounds to zero carries no sign.
    bool allZero = true;
    for (QChar c : text)
        if (c.isDigit() && c != u'0')
            allZero = false;
    return value < 0 && !allZero ? locale.negativeSign() + text : text;
}

}

QString formatNumber(double value, const QString& format, const QLocale& locale)
{
    if (!std::isfinite(value))
        return locale.toString(value);
    return formatValue(value, false, format, locale);
}

QString formatNumber(const CellValue& value, const QString& format, const QLocale& locale)
{
    constexpr qint64 kExactInDouble = qint64(1) << 53;
    if (!value.isWhole() || (value.toWhole() >= -kExactInDouble && value.toWhole() <= kExactInDouble))
        return formatNumber(value.toDouble(), format, locale);
    return formatValue((long double)value.toWhole(), true, format, locale);
}

}
