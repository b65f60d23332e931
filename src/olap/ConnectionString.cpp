#include "olap/ConnectionString.h"

#include "platform/ConnectionStringSyntax.h"
#include "platform/RegistryStore.h"
#include "platform/Services.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace olap {

namespace {

[[noreturn]] void syntaxError(const QString& why)
{
    platform::raiseError(platform::err::Unspecified,
                         QCoreApplication::translate("olap", "The connection string is not valid: ") + why,
                         QStringLiteral("ConnectionString"));
}
}

ConnectionString ConnectionString::parse(const QString& text)
{
    namespace syntax = platform::connectionstringsyntax;
    ConnectionString result;
    qsizetype pos = 0;
    while (syntax::skipSeparators(text, pos)) {
        const syntax::Item item = syntax::readItem(text, pos);
        // A key is named in a refusal only when it cannot hold a password's text (a
        // password written after "==" makes part of the key).
        const QString key = item.key.contains(QLatin1Char('=')) ? QCoreApplication::translate("olap", "an item")
                                                                : QStringLiteral("\"%1\"").arg(item.key);
        switch (item.problem) {
        case syntax::Problem::None:
            break;
        case syntax::Problem::NoValue:
            syntaxError(QCoreApplication::translate("olap", "%1 has no value").arg(key));
        case syntax::Problem::NoKeyword:
            syntaxError(QCoreApplication::translate("olap", "a value has no keyword"));
        case syntax::Problem::OpenQuote:
            syntaxError(QCoreApplication::translate("olap", "the value of %1 has no closing quote").arg(key));
        case syntax::Problem::TextAfterQuote:
            syntaxError(QCoreApplication::translate("olap", "text follows the quoted value of %1").arg(key));
        }
        result.m_pairs.emplace_back(item.key.toLower(), item.value);
        pos = item.end;
    }
    return result;
}

std::optional<QString> ConnectionString::value(const QString& key) const
{
    const QString wanted = key.toLower();
    for (auto it = m_pairs.rbegin(); it != m_pairs.rend(); ++it) {
        if (it->first == wanted)
            return it->second;
    }
    return std::nullopt;
}

QString ConnectionString::value(const QString& key, const QString& fallback) const
{
    return value(key).value_or(fallback);
}

QString ConnectionString::quoteValue(const QString& value)
{
    return platform::connectionstringsyntax::quoteValue(value);
}

ProviderName ProviderName::resolve(const QString& requested)
{
    static const QString kKnown[] = {QStringLiteral("MSOLAP"), QStringLiteral("MSOLAP.3"), QStringLiteral("MSOLAP.4")};
    const QString wanted = requested.trimmed();
    for (const QString& known : kKnown) {
        if (wanted.compare(known, Qt::CaseInsensitive) != 0)
            continue;
        if (!platform::services().registry->keyExists(platform::Hive::ClassesRoot, known))
            break;
        return ProviderName{known};
    }
    platform::raiseError(platform::err::Unspecified,
                         QStringLiteral("Provider cannot be found. It may not be properly installed: ")
                             + (wanted.isEmpty() ? QStringLiteral("(none)") : wanted),
                         QStringLiteral("Connection"));
}

QString ProviderName::reported() const
{
    if (name != QLatin1String("MSOLAP"))
        return name;
    const auto& registry = *platform::services().registry;
    for (const QString& version : {QStringLiteral("MSOLAP.4"), QStringLiteral("MSOLAP.3")}) {
        if (registry.keyExists(platform::Hive::ClassesRoot, version))
            return version;
    }
    return name;
}

namespace {

QString cubeFilePath(const QString& given)
{
    // Paths may come joined with "\" from stored reports; a real "\" in a Linux name is kept
    // when the file exists under that name.
    if (QFileInfo::exists(given))
        return given;
    QString slashed = given;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return slashed;
}

void splitHostPort(const QString& source, QString& host, QString& port)
{
    host = source;
    port.clear();
    if (source.startsWith(QLatin1Char('/')))
        return;   // a socket folder
    if (source.startsWith(QLatin1Char('['))) {
        const qsizetype close = source.indexOf(QLatin1Char(']'));
        if (close > 0) {
            host = source.mid(1, close - 1);
            if (source.mid(close + 1).startsWith(QLatin1Char(':')))
                port = source.mid(close + 2);
        }
        return;
    }
    const qsizetype colon = source.lastIndexOf(QLatin1Char(':'));
    if (colon < 0 || source.indexOf(QLatin1Char(':')) != colon)
        return;   // no port, or a bare IPv6 address
    host = source.left(colon);
    port = source.mid(colon + 1);
}

}

DataSource DataSource::fromConnectionString(const ConnectionString& cs)
{
    DataSource ds;
    const QString source = cs.value(QStringLiteral("Data Source"), QString());
    ds.applicationName = cs.value(QStringLiteral("SspropInitAppName"), QString());
    bool ok = false;
    const int timeout = cs.value(QStringLiteral("TimeOut"), QString()).toInt(&ok);
    ds.connectTimeout = ok && timeout > 0 ? timeout : 0;
    if (source.endsWith(QLatin1String(".cub"), Qt::CaseInsensitive)) {
        ds.kind = Kind::CubeFile;
        ds.cubeFile = cubeFilePath(source);
        return ds;
    }
    ds.kind = Kind::Server;
    splitHostPort(source, ds.host, ds.port);
    if (!ds.port.isEmpty()) {
        ds.port.toUShort(&ok);
        if (!ok)
            syntaxError(QCoreApplication::translate("olap", "the port of \"%1\" is not a number").arg(source));
    }
    ds.catalog = cs.value(QStringLiteral("Initial Catalog"), QString());
    ds.user = cs.value(QStringLiteral("User ID")).value_or(cs.value(QStringLiteral("UID"), QString()));
    ds.password = cs.value(QStringLiteral("Password")).value_or(cs.value(QStringLiteral("PWD"), QString()));
    return ds;
}

}
