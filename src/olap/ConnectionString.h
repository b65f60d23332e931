#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace olap {

// A connection string in the provider syntax: "key=value" pairs separated by ";". Keys are
// trimmed and compared without regard to case ("==" in a key is a literal "="); a value is
// trimmed, or enclosed in double or single quotes, a doubled quote standing for one quote
// character. When a key repeats, the last value counts.
class ConnectionString
{
public:
    // Throws platform::VbError (0x80004005) for a string that breaks the syntax, such as an
    // unterminated quote or text after a closing quote.
    static ConnectionString parse(const QString& text);

    std::optional<QString> value(const QString& key) const;
    QString value(const QString& key, const QString& fallback) const;
    bool contains(const QString& key) const { return value(key).has_value(); }

    // A value as it must be written so that parse() gives it back unchanged.
    static QString quoteValue(const QString& value);

private:
    std::vector<std::pair<QString, QString>> m_pairs;   // lower-cased key, value
};

// The provider part of a connection string: "MSOLAP", "MSOLAP.3", "MSOLAP.4" (any case).
struct ProviderName
{
    QString name;   // as registered: "MSOLAP", "MSOLAP.3" or "MSOLAP.4"

    // Throws platform::VbError (0x80004005) when the name is not our provider or the
    // registry does not register that version.
    static ProviderName resolve(const QString& requested);
    // What an open connection reports: an unversioned request gives the newest registered version.
    QString reported() const;
};

// Where a connection string points: a cube file, or a catalog on the cube server.
struct DataSource
{
    enum class Kind { CubeFile, Server };
    Kind kind = Kind::Server;
    QString cubeFile;   // a cube file: its path
    QString host;       // the server: host name, address or socket folder; empty: the defaults
    QString port;       // empty: the defaults
    QString catalog;    // the database; empty for none
    QString user;       // empty: the defaults (environment, password file, local sign-in)
    QString password;
    QString applicationName;
    int connectTimeout = 0;   // seconds; 0: none

    // Throws platform::VbError (0x80004005) for a string without a usable data source.
    static DataSource fromConnectionString(const ConnectionString& cs);
};

}
