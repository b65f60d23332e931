#include "olap/ConnectionString.h"

#include "platform/RegistryStore.h"
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

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

}

ConnectionString ConnectionString::parse(const QString& text)
{
    ConnectionString result;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && (text[i].isSpace() || text[i] == QLatin1Char(';')))
            ++i;
        if (i >= n)
            break;
        QString key;
        bool haveEquals = false;
        while (i < n) {
            if (text[i] == QLatin1Char('=')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('=')) {
                    key += QLatin1Char('=');
                    i += 2;
                    continue;
                }
                haveEquals = true;
                ++i;
                break;
            }
            if (text[i] == QLatin1Char(';'))
                break;
            key += text[i++];
        }
        key = key.trimmed();
        if (!haveEquals)
            syntaxError(QStringLiteral("\"%1\" has no value").arg(key));
        if (key.isEmpty())
            syntaxError(QCoreApplication::translate("olap", "a value has no keyword"));
        while (i < n && text[i].isSpace() && text[i] != QLatin1Char(';'))
            ++i;
        QString value;
        if (i < n && isQuote(text[i])) {
            const QChar quote = text[i++];
            bool closed = false;
            while (i < n) {
                if (text[i] == quote) {
                    if (i + 1 < n && text[i + 1] == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                value += text[i++];
            }
            if (!closed)
                syntaxError(QCoreApplication::translate("olap", "the value of \"%1\" has no closing quote").arg(key));
            while (i < n && text[i].isSpace())
                ++i;
            if (i < n && text[i] != QLatin1Char(';'))
                syntaxError(QCoreApplication::translate("olap", "text follows the quoted value of \"%1\"").arg(key));
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != QLatin1Char(';'))
                ++i;
            value = text.mid(start, i - start).trimmed();
        }
        result.m_pairs.emplace_back(key.toLower(), value);
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
    const bool needsQuotes = value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('"'))
                             || value.contains(QLatin1Char('\'')) || value != value.trimmed()
                             || (!value.isEmpty() && isQuote(value.front()));
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

ProviderName ProviderName::resolve(const QString& requested)
{
    static const QString kKnown[] = {QStringLiteral("MSOLAP"), QStringLiteral("MSOLAP.3"),
                                     QStringLiteral("MSOLAP.4")};
    const QString wanted = requested.trimmed();
    for (const QString& known : kKnown) {
        if (wanted.compare(known, Qt::CaseInsensitive) != 0)
            continue;
        if (!platform::RegistryStore::current().keyExists(platform::Hive::ClassesRoot, known))
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
    const auto& registry = platform::RegistryStore::current();
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
