#pragma once

#include <string>

namespace ssb {

// Where one scale factor's data lives: the cube file and one pipe-separated ".tbl" file
// per table (what DuckDB and PostgreSQL load).
struct DataSet
{
    explicit DataSet(std::string where) : folder(std::move(where)) {}
    std::string folder;
    std::string cubeFile() const { return folder + "/ssb.cub"; }
    std::string tblFile(const std::string& table) const { return folder + '/' + table + ".tbl"; }
    // Written whole by an earlier run for this scale factor.
    bool complete(double scaleFactor) const;
};

// Generates the data of `scaleFactor` into the data set's folder. The cube file starts with
// the statements of `cubeHeaderSql` (the cube-file marks and metadata tables). Files are
// written under temporary names and renamed at the end, so a failed run leaves no half data.
// Throws std::runtime_error on failure.
void writeDataSet(const DataSet& dataSet, double scaleFactor, const std::string& cubeHeaderSql);

}
