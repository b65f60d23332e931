#include "app/ReportFolders.h"

#include "app/modGlobals.h"

namespace ReportFolders {

QString rootName()
{
    return modGlobals::gbOWCXP ? QStringLiteral("ReportsXP") : QStringLiteral("Reports2K");
}

QString root()
{
    return modGlobals::gstrDataPath + QLatin1Char('/') + rootName();
}

QString cubeFolder(const QString& cubeName)
{
    return root() + QLatin1Char('/') + cubeName;
}

}
