#pragma once

#include <QByteArray>
#include <QHash>
#include <cstdint>
#include <unordered_map>
#include <vector>

struct sqlite3_value;

namespace olap {

// What SQLite's "=" does to one side of a join before it compares: where only the other
// side's column is declared with a number type, a text that reads as a number becomes that
// number ("03" becomes 3, " 7 " 7, "1e1" 10). Columns are never converted to texts.
enum class KeyConversion { None, ToNumber };

struct KeyConversions
{
    KeyConversion dimension = KeyConversion::None;
    KeyConversion fact = KeyConversion::None;
};

// The conversions for a join of columns of these declared types (as sqlite3_column_decltype
// gives them; null for none).
KeyConversions keyConversions(const char* dimensionType, const char* factType);

// The keys of one dimension table, each the row it stands in, matched to fact keys as SQLite's
// join compares them: numbers by value (1.0 is 1), texts and blobs byte for byte, a number never
// equal to a text, NULL equal to nothing. Integer keys in a compact range (the usual surrogate
// keys and yyyymmdd dates) are found by direct index.
class DimensionKeys
{
public:
    DimensionKeys() = default;
    explicit DimensionKeys(KeyConversions conversions) : m_conversions(conversions) {}

    // False when an equal key is there already: a join would count its facts once per row.
    bool insert(sqlite3_value* key, int row);
    void finish();   // after the last insert
    // The dimension row of a fact's key, -1 for none. Takes the column's value as it is, so
    // that a fact costs one look at each of its columns.
    int find(sqlite3_value* key) const;

private:
    KeyConversions m_conversions;
    std::unordered_map<qint64, int> m_integers;   // and reals that are whole numbers
    std::unordered_map<double, int> m_reals;      // the other reals
    QHash<QByteArray, int> m_texts;
    QHash<QByteArray, int> m_blobs;
    std::vector<int32_t> m_dense;   // by key - m_base
    qint64 m_base = 0;
};

}
