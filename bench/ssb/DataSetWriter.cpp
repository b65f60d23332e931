#include "DataSetWriter.h"

#include "SsbSchema.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>

namespace ssb {

namespace {

// Names the scale factor of the data, once all of it is written.
constexpr const char* kCompleteMark = "/complete";

class CubeFileWriter
{
public:
    explicit CubeFileWriter(const std::string& path)
    {
        std::filesystem::remove(path);
        if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK)
            fail("cannot create " + path);
    }
    ~CubeFileWriter()
    {
        sqlite3_finalize(m_insert);
        sqlite3_close(m_db);
    }

    void exec(const std::string& sql)
    {
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql.substr(0, 60));
    }

    void beginTable(const Table& table)
    {
        exec(createTable(table, Dialect::Sqlite));
        std::string sql = "INSERT INTO \"" + table.name + "\" VALUES (";
        for (size_t i = 0; i < table.columns.size(); ++i)
            sql += i ? ", ?" : "?";
        sqlite3_finalize(m_insert);
        m_insert = nullptr;
        if (sqlite3_prepare_v2(m_db, (sql + ")").c_str(), -1, &m_insert, nullptr) != SQLITE_OK)
            fail(sql);
    }

    void insert(const Row& row)
    {
        for (size_t i = 0; i < row.size(); ++i) {
            const int at = int(i) + 1;
            if (const auto* n = std::get_if<int64_t>(&row[i]))
                sqlite3_bind_int64(m_insert, at, *n);
            else {
                const std::string& s = std::get<std::string>(row[i]);
                sqlite3_bind_text(m_insert, at, s.data(), int(s.size()), SQLITE_STATIC);
            }
        }
        if (sqlite3_step(m_insert) != SQLITE_DONE)
            fail("insert");
        sqlite3_reset(m_insert);
    }

private:
    [[noreturn]] void fail(const std::string& what) const
    {
        throw std::runtime_error("SQLite: " + what + ": " + sqlite3_errmsg(m_db));
    }
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
};

class TblWriter
{
public:
    explicit TblWriter(const std::string& path) : m_path(path), m_file(std::fopen(path.c_str(), "wb"))
    {
        if (!m_file)
            throw std::runtime_error("cannot create " + path);
        std::setvbuf(m_file.get(), nullptr, _IOFBF, 1 << 20);
    }

    void write(const Row& row)
    {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i)
                std::fputc('|', m_file.get());
            if (const auto* n = std::get_if<int64_t>(&row[i]))
                std::fprintf(m_file.get(), "%lld", static_cast<long long>(*n));
            else
                std::fputs(std::get<std::string>(row[i]).c_str(), m_file.get());
        }
        std::fputc('\n', m_file.get());
    }

    void close()
    {
        if (std::fclose(m_file.release()) != 0)
            throw std::runtime_error("cannot write " + m_path);
    }

private:
    struct Closer
    {
        void operator()(FILE* f) const { std::fclose(f); }
    };
    std::string m_path;
    std::unique_ptr<FILE, Closer> m_file;
};

}

namespace {

// Data written by an older layout of the cube is generated anew.
constexpr int kLayout = 2;

std::string scaleFactorText(double scaleFactor)
{
    char text[64];
    std::snprintf(text, sizeof text, "scale factor %.17g, layout %d", scaleFactor, kLayout);
    return text;
}

}

bool DataSet::complete(double scaleFactor) const
{
    std::ifstream mark(folder + kCompleteMark);
    std::string written;
    return std::getline(mark, written) && written == scaleFactorText(scaleFactor);
}

void writeDataSet(const DataSet& dataSet, double scaleFactor, const std::string& cubeHeaderSql)
{
    std::filesystem::create_directories(dataSet.folder);
    std::filesystem::remove(dataSet.folder + kCompleteMark);
    const SsbGenerator generator(scaleFactor);
    const std::string partialCube = dataSet.cubeFile() + ".partial";
    {
        CubeFileWriter cube(partialCube);
        cube.exec(cubeHeaderSql);
        cube.exec("PRAGMA synchronous = OFF");
        cube.exec("BEGIN");
        for (const Table& table : tables()) {
            TblWriter tbl(dataSet.tblFile(table.name) + ".partial");
            cube.beginTable(table);
            (generator.*table.rows)([&](const Row& row) {
                cube.insert(row);
                tbl.write(row);
            });
            tbl.close();
        }
        for (const std::string& sql : cubeStatements(Dialect::Sqlite))
            cube.exec(sql);
        cube.exec("COMMIT");
        cube.exec("ANALYZE");
    }
    for (const Table& table : tables())
        std::filesystem::rename(dataSet.tblFile(table.name) + ".partial", dataSet.tblFile(table.name));
    std::filesystem::rename(partialCube, dataSet.cubeFile());
    std::ofstream mark(dataSet.folder + kCompleteMark);
    mark << scaleFactorText(scaleFactor) << '\n';
    if (!mark.flush())
        throw std::runtime_error("cannot write to " + dataSet.folder);
}

}
