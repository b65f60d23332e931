#include "olap/CubeProvider.h"

#include "olap/Connection.h"

namespace olap {

std::unique_ptr<CubeSource> openCube(const QString& connectionString, const QString& dataMember)
{
    Connection connection;
    connection.Open(connectionString);
    return connection.openCube(dataMember);
}

QStringList dataMemberStrings(const QString& connectionString)
{
    Connection connection;
    connection.Open(connectionString);
    return connection.cubeNames();
}

}
