#include "olap/Recordset.h"

#include "platform/VbError.h"

namespace olap {

namespace {
constexpr long kItemNotFound = 3265;
constexpr long kNoCurrentRecord = 3021;
}

Recordset::Recordset(QStringList fieldNames, QVector<QVector<QVariant>> rows)
    : m_fieldNames(std::move(fieldNames)), m_rows(std::move(rows))
{
}

void Recordset::MoveNext()
{
    if (Eof())
        platform::raiseError(kNoCurrentRecord,
                             QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."),
                             QStringLiteral("Recordset"));
    ++m_position;
}

QVariant Recordset::Fields(const QString& name) const
{
    qsizetype column = 0;
    while (column < m_fieldNames.size() && m_fieldNames[column].compare(name, Qt::CaseInsensitive) != 0)
        ++column;
    if (column == m_fieldNames.size())
        platform::raiseError(kItemNotFound, QStringLiteral("Item cannot be found in the collection: ") + name,
                             QStringLiteral("Recordset"));
    if (Eof())
        platform::raiseError(kNoCurrentRecord,
                             QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."),
                             QStringLiteral("Recordset"));
    return m_rows[m_position].value(column);
}

}
