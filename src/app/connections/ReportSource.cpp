#include "app/connections/ReportSource.h"

#include "app/connections/ConnectionStrings.h"
#include "app/state/modGlobals.h"
#include "olap/ConnectionString.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace connections {

namespace reportsource {

using namespace modGlobals;

namespace {

// What the pivot table would connect to for this cube, built as the binding builds it.
QString ownConnectionString(const QString& cubeName)
{
    if (gbServerMode)
        return connectionstrings::serverPivot(connectionstrings::serverProviderPart(2), gstrServerName, gstrDatabase);
    const QString cubeFile =
        gdicCubes.Exists(cubeName) ? QFileInfo(gdicCubes.Item(cubeName)).fileName() : cubeName + QStringLiteral(".cub");
    return connectionstrings::localPivot(QStringLiteral("Provider=MSOLAP"), gstrDataPath, cubeFile);
}

QString absoluteClean(const QString& path)
{
    return QDir::cleanPath(QDir::isRelativePath(path) ? QDir::currentPath() + QLatin1Char('/') + path : path);
}

bool sameCubeFile(const QString& stored, const QString& own)
{
    // The system resolves "x/.." through whatever x is, a link to another folder included,
    // so only a path without it can be compared by its text.
    if (stored.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return false;
    return absoluteClean(stored) == absoluteClean(own);
}

// Where a connection goes is decided by these alone: the server connection passes libpq its
// host and port and nothing else that could lead elsewhere (no service, password file or
// certificate names, and the database name is never read as a connection string). A host
// list ("a,b") or another spelling of the same place is refused with the rest.
bool sameSource(const olap::DataSource& stored, const olap::DataSource& own)
{
    if (stored.kind != own.kind)
        return false;
    if (stored.kind == olap::DataSource::Kind::CubeFile)
        return sameCubeFile(stored.cubeFile, own.cubeFile);
    return stored.host == own.host && stored.port == own.port;
}

QString placeOf(const olap::ConnectionString& cs)
{
    return cs.value(QStringLiteral("Data Source"), QString());
}

}

QString refusal(const QString& reportName, const QString& cubeName, const QString& connectionString)
{
    if (connectionString.isEmpty())
        return QString();
    const olap::ConnectionString own = olap::ConnectionString::parse(ownConnectionString(cubeName));
    try {
        const olap::ConnectionString stored = olap::ConnectionString::parse(connectionString);
        if (sameSource(olap::DataSource::fromConnectionString(stored), olap::DataSource::fromConnectionString(own)))
            return QString();
        return QCoreApplication::translate("connections",
                                           "The report \"%1\" was not opened: it connects to \"%2\", while the "
                                           "reports of this data folder belong to \"%3\".")
            .arg(reportName, placeOf(stored), placeOf(own));
    } catch (const platform::VbError& error) {
        return QCoreApplication::translate("connections", "The report \"%1\" was not opened: %2")
            .arg(reportName, error.description());
    }
}

}

}
