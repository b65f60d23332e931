#include "olap/CubeFileKeys.h"

#include <QByteArrayView>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <sqlite3.h>
#include <string>

namespace olap {

namespace {

// SQLite's rules for a declared type, in their order: a number type, or not (text, blob, none).
bool isNumberType(const char* declared)
{
    const QByteArray type = QByteArray(declared ? declared : "").toUpper();
    if (type.contains("INT"))
        return true;
    if (type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT"))
        return false;
    return !type.isEmpty() && !type.contains("BLOB");   // REAL, FLOAT, DOUBLE, NUMERIC, DATE, ...
}

bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A number that SQLite's conversion to a number type reads from the whole text (spaces around
// it allowed), as an integer where it is one; nothing when the text is no number.
struct Number
{
    bool integer = false;
    qint64 whole = 0;
    double real = 0;
};

std::optional<Number> numberOf(QByteArrayView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isSpace(text[from]))
        ++from;
    while (to > from && isSpace(text[to - 1]))
        --to;
    const QByteArrayView t = text.sliced(from, to - from);
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    qsizetype mantissa = digits();
    bool pure = true;
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantissa += digits();
        pure = false;
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
        pure = false;
    }
    if (i != t.size())
        return std::nullopt;
    const std::string s(t.data(), size_t(t.size()));
    Number n;
    n.real = std::strtod(s.c_str(), nullptr);
    if (pure) {
        errno = 0;
        const long long v = std::strtoll(s.c_str(), nullptr, 10);
        if (errno != ERANGE) {
            n.integer = true;
            n.whole = v;
        }
    }
    return n;
}

// A real that is a whole number in range compares as that integer.
std::optional<qint64> wholeOf(double v)
{
    if (std::trunc(v) == v && v >= -0x1p63 && v < 0x1p63)
        return qint64(v);
    return std::nullopt;
}

// One key as the join compares it, after the side's conversion.
struct Key
{
    enum class Kind { Null, Integer, Real, Text, Blob };
    Kind kind = Kind::Null;
    qint64 integer = 0;
    double real = 0;
    QByteArrayView bytes;   // valid while the statement stays on its row
};

Key numberKey(qint64 whole)
{
    return {Key::Kind::Integer, whole, 0, {}};
}

Key realKey(double v)
{
    if (const auto whole = wholeOf(v))
        return numberKey(*whole);
    return {Key::Kind::Real, 0, v, {}};
}

QByteArrayView bytesOf(sqlite3_value* value)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QByteArrayView(bytes, bytes ? sqlite3_value_bytes(value) : 0);
}

Key keyOf(sqlite3_value* value, KeyConversion conversion)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return numberKey(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return realKey(sqlite3_value_double(value));
    case SQLITE_TEXT: {
        const QByteArrayView text = bytesOf(value);
        if (conversion == KeyConversion::ToNumber) {
            if (const auto n = numberOf(text))
                return n->integer ? numberKey(n->whole) : realKey(n->real);
        }
        return {Key::Kind::Text, 0, 0, text};
    }
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_value_blob(value));
        return {Key::Kind::Blob, 0, 0, QByteArrayView(bytes, bytes ? sqlite3_value_bytes(value) : 0)};
    }
    default:
        return {};
    }
}

}

KeyConversions keyConversions(const char* dimensionType, const char* factType)
{
    const bool dimension = isNumberType(dimensionType);
    const bool fact = isNumberType(factType);
    KeyConversions c;
    if (dimension && !fact)
        c.fact = KeyConversion::ToNumber;
    else if (fact && !dimension)
        c.dimension = KeyConversion::ToNumber;
    return c;
}

bool DimensionKeys::insert(sqlite3_value* value, int row)
{
    const Key key = keyOf(value, m_conversions.dimension);
    switch (key.kind) {
    case Key::Kind::Null:
        return true;   // joins no fact
    case Key::Kind::Integer:
        return m_integers.emplace(key.integer, row).second;
    case Key::Kind::Real:
        return m_reals.emplace(key.real, row).second;
    case Key::Kind::Text:
    case Key::Kind::Blob: {
        QHash<QByteArray, int>& keys = key.kind == Key::Kind::Text ? m_texts : m_blobs;
        const QByteArray bytes = key.bytes.toByteArray();
        if (keys.contains(bytes))
            return false;
        keys.insert(bytes, row);
        return true;
    }
    }
    return true;
}

void DimensionKeys::finish()
{
    if (m_integers.empty())
        return;
    qint64 low = m_integers.begin()->first;
    qint64 high = low;
    for (const auto& [key, row] : m_integers) {
        low = std::min(low, key);
        high = std::max(high, key);
    }
    // Unsigned, because keys at both ends of the range lie further apart than a qint64 holds.
    const quint64 last = quint64(high) - quint64(low);
    const qint64 limit = std::max<qint64>(64 * qint64(m_integers.size()), 1 << 16);
    if (last >= quint64(std::min<qint64>(limit, 1 << 24)))
        return;
    m_base = low;
    m_dense.assign(size_t(last) + 1, -1);
    for (const auto& [key, row] : m_integers)
        m_dense[size_t(quint64(key) - quint64(low))] = row;
}

int DimensionKeys::find(sqlite3_value* value) const
{
    const Key key = keyOf(value, m_conversions.fact);
    switch (key.kind) {
    case Key::Kind::Null:
        return -1;
    case Key::Kind::Integer:
        if (!m_dense.empty()) {
            const quint64 at = quint64(key.integer) - quint64(m_base);
            return at < m_dense.size() ? m_dense[at] : -1;
        } else {
            const auto it = m_integers.find(key.integer);
            return it == m_integers.end() ? -1 : it->second;
        }
    case Key::Kind::Real: {
        const auto it = m_reals.find(key.real);
        return it == m_reals.end() ? -1 : it->second;
    }
    case Key::Kind::Text:
    case Key::Kind::Blob:
        // A view of the row's bytes: no copy for a look-up.
        return (key.kind == Key::Kind::Text ? m_texts : m_blobs)
            .value(QByteArray::fromRawData(key.bytes.data(), key.bytes.size()), -1);
    }
    return -1;
}

}
