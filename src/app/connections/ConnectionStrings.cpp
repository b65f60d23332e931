#include "app/connections/ConnectionStrings.h"

#include "olap/ConnectionString.h"

namespace connections {

namespace connectionstrings {

namespace {

const QString kTimeOut = QStringLiteral("100");
const QString kAppName = QStringLiteral("\"Tessaline Tool for Excel - Zelbrin Outlook Solutions\"");
const QString kNumber = QStringLiteral("[NUMBER]");

QString cubePath(const QString& dataPath, const QString& cubeFile)
{
    return quoteValue(dataPath + QLatin1Char('/') + cubeFile);
}

}

QString quoteValue(const QString& value)
{
    return olap::ConnectionString::quoteValue(value);
}

QString localTest(const QString& dataPath, const QString& cubeFile)
{
    return QStringLiteral("provider=msolap;TimeOut=") + kTimeOut
        + QStringLiteral(";ShowHiddenCubes=True;SspropInitAppName=") + kAppName + QStringLiteral(";data source=")
        + cubePath(dataPath, cubeFile);
}

QString localPivot(const QString& providerPart, const QString& dataPath, const QString& cubeFile)
{
    return providerPart + QStringLiteral(";data source=") + cubePath(dataPath, cubeFile);
}

QString serverProviderPart(int pass)
{
    return pass > 2 ? QStringLiteral("Provider=MSOLAP.%1").arg(pass) : QStringLiteral("Provider=MSOLAP");
}

QString serverPivot(const QString& providerPart, const QString& server, const QString& database)
{
    return providerPart + QStringLiteral(";Persist Security Info=True;TimeOut=") + kTimeOut
        + QStringLiteral(";ShowHiddenCubes=True;SspropInitAppName=") + kAppName
        + QStringLiteral(";User ID=\"\";Safety Options=2;Data Source=") + quoteValue(server)
        + QStringLiteral(";Initial Catalog=") + quoteValue(database) + QStringLiteral(";Location=")
        + quoteValue(server);
}

QString serverTemplate(const QString& server, const QString& database, const QString& user, const QString& password)
{
    QString s = QStringLiteral("Provider=MSOLAP") + kNumber + QStringLiteral(";Persist Security Info=True;TimeOut=")
        + kTimeOut + QStringLiteral(";ShowHiddenCubes=True;SspropInitAppName=") + kAppName;
    if (!user.trimmed().isEmpty())
        s += QStringLiteral(";User ID=") + quoteValue(user) + QStringLiteral(";Password=") + quoteValue(password);
    s += QStringLiteral(";Data Source=") + quoteValue(server);
    if (!database.isEmpty())
        s += QStringLiteral(";Initial Catalog=") + quoteValue(database);
    return s;
}

QString serverPass(const QString& templ, int pass)
{
    // Only the provider part at the front carries the placeholder; a server or database
    // name that happens to hold "[NUMBER]" stays as typed.
    const QString version = pass > 2 ? QStringLiteral(".%1").arg(pass) : QString();
    QString s = templ;
    const qsizetype at = s.indexOf(kNumber);
    const qsizetype providerEnd = s.indexOf(QLatin1Char(';'));
    if (at >= 0 && (providerEnd < 0 || at < providerEnd))
        s.replace(at, kNumber.size(), version);
    return s;
}

}

}
