#include "app/connections/ServerCredentials.h"

#include "app/connections/ConnectionStrings.h"
#include "olap/ConnectionString.h"

namespace connections {

namespace servercredentials {

namespace {

struct Kept
{
    QString server;
    SignIn signIn;
};

std::optional<Kept>& kept()
{
    static std::optional<Kept> value;
    return value;
}

}

void keep(const QString& server, const QString& user, const QString& password)
{
    kept() = Kept{server, SignIn{user, password}};
}

std::optional<SignIn> forServer(const QString& server)
{
    if (!kept() || kept()->server != server)
        return std::nullopt;
    return kept()->signIn;
}

void forget()
{
    kept().reset();
}

QString signedIn(const QString& connectionString)
{
    if (!kept())
        return connectionString;
    try {
        const auto parsed = olap::ConnectionString::parse(connectionString);
        if (parsed.value(QStringLiteral("Data Source"), QString()) != kept()->server
            || !parsed.value(QStringLiteral("User ID"), QString()).isEmpty())
            return connectionString;
    } catch (const std::exception&) {
        return connectionString;   // the provider reports a broken string itself
    }
    // A repeated key counts with its last value, so these replace the empty user of the string.
    return connectionString + QStringLiteral(";User ID=") + connectionstrings::quoteValue(kept()->signIn.user)
        + QStringLiteral(";Password=") + connectionstrings::quoteValue(kept()->signIn.password);
}

}

}
