#include "app/reports/ReportFolders.h"

#include "app/state/modGlobals.h"

namespace reports {

namespace reportfolders {

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

}
