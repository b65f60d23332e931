#pragma once

#include <QString>
#include <QVariant>
#include <optional>
#include <variant>

namespace olap {

// A cell's value: none (no fact contributes), a whole number kept exactly over the whole
// 64-bit range, or a double. Sums, counts, minimums and maximums of whole numbers are whole
// (every digit shows); averages and anything over a column of doubles are doubles.
// Example: a sum of 9007199254740993 and 1 is whole(9007199254740994), which a double would
// round to 9007199254740996 or ...992; a sum past 2^63 - 1 is the nearest double instead.
class CellValue
{
public:
    CellValue() = default;
    CellValue(std::nullopt_t) {}
    CellValue(double real) : m_value(real) {}
    CellValue(std::optional<double> real)
    {
        if (real)
            m_value = *real;
    }
    static CellValue whole(qint64 value)
    {
        CellValue v;
        v.m_value = value;
        return v;
    }
    // The value of a number as text: exact when it is a whole number that fits 64 bits;
    // none when the text is no number.
    static CellValue fromText(const QString& text)
    {
        bool ok = false;
        if (const qint64 w = text.toLongLong(&ok); ok)
            return whole(w);
        const double d = text.toDouble(&ok);
        return ok ? CellValue(d) : CellValue();
    }

    bool hasValue() const { return !std::holds_alternative<std::monostate>(m_value); }
    explicit operator bool() const { return hasValue(); }
    bool isWhole() const { return std::holds_alternative<qint64>(m_value); }
    qint64 toWhole() const { return std::get<qint64>(m_value); }   // only where isWhole()
    // The value as the nearest double (0 for none), for charts and arithmetic.
    double toDouble() const { return isWhole() ? double(toWhole()) : hasValue() ? std::get<double>(m_value) : 0.0; }
    std::optional<double> toOptional() const { return hasValue() ? std::optional(toDouble()) : std::nullopt; }
    // Wide enough for every whole number and every double, so that values compare exactly.
    long double exact() const { return isWhole() ? (long double)toWhole() : (long double)toDouble(); }
    QVariant toVariant() const
    {
        return isWhole() ? QVariant(toWhole()) : hasValue() ? QVariant(toDouble()) : QVariant();
    }

    friend bool operator==(const CellValue&, const CellValue&) = default;

private:
    std::variant<std::monostate, qint64, double> m_value;
};

}
