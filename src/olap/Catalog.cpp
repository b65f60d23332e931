#include "olap/Catalog.h"

#include "olap/Connection.h"
#include "platform/VbError.h"

namespace olap {

QVector<CubeDef> Catalog::CubeDefs() const
{
    constexpr long kConnectionCannotBeUsed = 3709;
    if (!m_connection || !m_connection->isOpen())
        platform::raiseError(kConnectionCannotBeUsed,
                             QStringLiteral("The connection cannot be used to perform this operation. "
                                            "It is either closed or invalid in this context."),
                             QStringLiteral("Catalog"));
    QVector<CubeDef> defs;
    for (const QString& name : m_connection->cubeNames())
        defs.append({name});
    return defs;
}

}
