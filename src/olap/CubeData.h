#pragma once

#include "olap/CubeDefinition.h"
#include "olap/HierarchyIndex.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace olap {

// The dimension row of every fact, in one byte, two or four as the dimension's row count
// needs: a query reads this column for every fact, so narrow codes save memory bandwidth.
class KeyColumn
{
public:
    KeyColumn() = default;
    KeyColumn(std::vector<int32_t>&& rows, size_t dimensionRows);

    size_t size() const { return m_size; }
    // Calls f with a pointer to the rows (uint8_t, uint16_t or int32_t).
    template<typename F>
    decltype(auto) visit(F&& f) const
    {
        if (!m_bytes.empty())
            return f(m_bytes.data());
        if (!m_shorts.empty())
            return f(m_shorts.data());
        return f(m_wide.data());
    }
    int32_t at(size_t fact) const
    {
        return visit([fact](const auto* rows) { return int32_t(rows[fact]); });
    }

private:
    std::vector<uint8_t> m_bytes;
    std::vector<uint16_t> m_shorts;
    std::vector<int32_t> m_wide;
    size_t m_size = 0;
};

// The values of one measure. A column of whole numbers is summed exactly: its values are kept
// as 32-bit integers where every one fits (half the bandwidth of doubles), as 64-bit ones where
// some do not. A column with any other value is kept as doubles. A distinct count keeps a dense
// value id per fact.
struct MeasureColumn
{
    enum class Kind { Rows, Integers, Wide, Reals, Distinct };
    static constexpr int32_t kNoInteger = INT32_MIN;
    static constexpr qint64 kNoWide = INT64_MIN;

    Kind kind = Kind::Rows;
    std::vector<int32_t> integers;        // Integers: kNoInteger for none; Distinct: value id, -1 for none
    std::vector<qint64> wide;             // Wide: kNoWide for none
    std::vector<double> reals;            // Reals: NaN for none
    std::vector<qint64> distinctWhole;    // Distinct over whole numbers: the value of each id, ascending
    std::vector<QString> distinctTexts;   // Distinct over other values: the value of each id

    size_t distinctCount() const { return distinctWhole.size() + distinctTexts.size(); }
    bool isWhole() const { return kind == Kind::Integers || kind == Kind::Wide; }
    QVariant value(size_t fact) const;   // invalid for none and for a count of rows
};

// A whole cube in memory, column by column: for each fact key the dimension row of every
// fact, and every measure's values.
struct CubeData
{
    CubeDefinition definition;
    std::vector<HierarchyIndex> indexes;   // by hierarchy
    std::vector<KeyColumn> factKeys;       // by fact key column
    std::vector<int> keyColumnOf;          // by hierarchy: its column of factKeys
    std::vector<MeasureColumn> measures;   // by measure
    size_t factCount = 0;

    // The dimension row of every fact, as the hierarchy numbers its dimension rows.
    const KeyColumn& rowsOf(int hierarchy) const { return factKeys[size_t(keyColumnOf[size_t(hierarchy)])]; }
};

// The "application_id" and "user_version" a cube file carries.
constexpr qint64 kCubeFileApplicationId = 0x54534C43;   // "TSLC"
constexpr qint64 kCubeFileFormatVersion = 1;

// How far a read of the facts has come, for a progress indication on another thread.
// The row count stays 0 where counting would cost a read of its own (a view).
struct ReadProgress
{
    std::atomic<qint64> rowsRead{0};
    std::atomic<qint64> rowCount{0};
};

// Reads a cube file into memory. Throws platform::VbError (0x80004005) for a file that is
// missing, not a cube file, damaged, or whose metadata does not match its tables.
std::shared_ptr<const CubeData> readCubeFile(const QString& path, ReadProgress* progress = nullptr);

// Checks a cube file without reading its facts and returns the name of its cube.
// Throws as readCubeFile does.
QString inspectCubeFile(const QString& path);
// The same check, returning the cube's definition.
CubeDefinition inspectCubeDefinition(const QString& path);

}
