#include "app/connections/ServerCredentials.h"

#include "app/connections/ConnectionStrings.h"
#include "olap/ConnectionString.h"
#include "pivot/PivotHooks.h"

namespace connections {

namespace ServerCredentials {

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

// The pivot table opens its cubes through these hooks; wrapping them once makes its
// connections to the kept server sign in as the dialog did, while the connection string
// it stores (and that reports save) stays without the password.
void wrapPivotConnections()
{
    static bool wrapped = false;
    if (wrapped)
        return;
    wrapped = true;
    pivot::CubeOpener opener = pivot::cubeOpener();
    pivot::cubeOpener() = [opener](const QString& connectionString, const QString& dataMember) {
        return opener(signedIn(connectionString), dataMember);
    };
    pivot::CubeLister lister = pivot::cubeLister();
    pivot::cubeLister() = [lister](const QString& connectionString) { return lister(signedIn(connectionString)); };
}

}

void keep(const QString& server, const QString& user, const QString& password)
{
    kept() = Kept{server, SignIn{user, password}};
    wrapPivotConnections();
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
    return connectionString + QStringLiteral(";User ID=") + ConnectionStrings::quoteValue(kept()->signIn.user)
        + QStringLiteral(";Password=") + ConnectionStrings::quoteValue(kept()->signIn.password);
}

}

} // namespace connections
