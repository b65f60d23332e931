#pragma once

#include "olap/CubeSource.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <ostream>
#include <vector>

// The sample cubes of examples/cubes, built once per test run into a temporary folder, and
// plain SQL on the same files for the expected values.
namespace testcubes {

QString salesCube();                                                     // path of Sales.cub
QString budgetCube();                                                    // path of Budget.cub
QString buildCube(const QString& name, const QString& extraSql = {});    // from examples/cubes/<name>.sql
QString buildCubeFromSql(const QString& name, const QString& cubeSql);   // the metadata tables, then cubeSql

// A small cube "Shop" (hierarchies Product with Category and Product, Store with City; measures
// Amount and Lines) in SQL that SQLite and PostgreSQL both run. Its facts add up to 50,001, and
// three more facts have a key that matches no dimension row (one of them NULL).
QString shopWithOrphanFactsSql();
// The same cube whose store table also holds the key 9: only the product keys of two facts
// match no row, and the facts that count add up to 50,002.
QString shopWithOrphanProductsSql();
// The same cube whose store table holds the key 2 twice.
QString shopWithDuplicateKeySql();
// Layouts of the shop cube with both measures: none, each hierarchy on rows, both on rows and
// columns, and filters that keep every member.
std::vector<olap::PivotQuery> shopLayouts();
// A small cube "Big" of whole numbers near the ends of 64 bits (hierarchy Group; measures Total,
// Least, Most, Mean and Facts). Group 1 sums to 3 * 2^62 + 6 and group 2 to -3 * 2^62 - 1, past
// 64 bits; group 3 to 9007199254740994, past what a double holds; group 4 to -(2^63 - 1) + 1. All
// together sum to -9214364837600034807, within 64 bits again.
QString bigWholeNumbersSql();
QString folder();

// The rows of an SQL query on a cube file.
QVector<QVector<QVariant>> sql(const QString& cubeFile, const QString& statement);
void exec(const QString& cubeFile, const QString& statement);

// Pieces of pivot queries, written as the tests read best.
inline olap::AxisField field(const char* hierarchy, int level = 0)
{
    olap::AxisField f;
    f.hierarchy = QString::fromUtf8(hierarchy);
    f.level = level;
    return f;
}

inline olap::MemberPath path(std::initializer_list<const char*> keys)
{
    olap::MemberPath p;
    for (const char* k : keys)
        p.keys << QString::fromUtf8(k);
    return p;
}

}

namespace olap {

// A cell's value in a test's failure message: its digits and whether it is whole.
inline void PrintTo(const CellValue& value, std::ostream* out)
{
    if (!value)
        *out << "(none)";
    else if (value.isWhole())
        *out << "whole " << value.toWhole();
    else
        *out << "double " << QString::number(value.toDouble(), 'g', 17).toStdString();
}

}
