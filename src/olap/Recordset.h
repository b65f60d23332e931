#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>

namespace olap {

// The rows of a schema request, walked with Eof/MoveNext and read by field name.
// (Eof stands for the platform's EOF, which the C library keeps as a macro.)
class Recordset
{
public:
    Recordset(QStringList fieldNames, QVector<QVector<QVariant>> rows);

    bool Eof() const { return m_position >= m_rows.size(); }
    void MoveNext();
    // The field of the current row; throws platform::VbError (3265) for an unknown name and
    // (3021) when there is no current row.
    QVariant Fields(const QString& name) const;

private:
    QStringList m_fieldNames;
    QVector<QVector<QVariant>> m_rows;
    qsizetype m_position = 0;
};

}
