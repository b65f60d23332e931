#pragma once

#include <QString>
#include <QVector>

namespace olap {

class Connection;

struct CubeDef
{
    QString Name;
};

// The cube definitions of the catalog an open connection reaches.
class Catalog
{
public:
    void setActiveConnection(const Connection* connection) { m_connection = connection; }
    // In the catalog's order; raises platform::VbError (3709) without an open connection.
    QVector<CubeDef> CubeDefs() const;

private:
    const Connection* m_connection = nullptr;
};

}
