#pragma once

#include "olap/CubeDefinition.h"
#include "olap/HierarchyIndex.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace olap {

// A whole cube in memory, column by column: for each fact key the dimension row of every
// fact, for each measure its values (NaN for none) or, for a distinct count, value ids.
struct CubeData
{
    CubeDefinition definition;
    std::vector<HierarchyIndex> indexes;              // by hierarchy
    std::vector<std::vector<int32_t>> factKeys;       // by fact key column, then fact: the dimension row
    std::vector<int> keyColumnOf;                     // by hierarchy: its column of factKeys
    std::vector<std::vector<double>> measureValues;   // by measure, then fact; empty for count of rows
    std::vector<std::vector<int32_t>> distinctIds;    // by measure, then fact (-1: none); distinct counts only
    std::vector<std::vector<QString>> distinctValues; // by measure: the value of each id
    size_t factCount = 0;

    // The dimension row of every fact, as the hierarchy numbers its dimension rows.
    const std::vector<int32_t>& rowsOf(int hierarchy) const
    {
        return factKeys[size_t(keyColumnOf[size_t(hierarchy)])];
    }
};

// The "application_id" and "user_version" a cube file carries.
constexpr qint64 kCubeFileApplicationId = 0x54534C43;   // "TSLC"
constexpr qint64 kCubeFileFormatVersion = 1;

// Reads a cube file into memory. Throws platform::VbError (0x80004005) for a file that is
// missing, not a cube file, damaged, or whose metadata does not match its tables.
std::shared_ptr<const CubeData> readCubeFile(const QString& path);

// Checks a cube file without reading its facts and returns the name of its cube.
// Throws as readCubeFile does.
QString inspectCubeFile(const QString& path);

}
