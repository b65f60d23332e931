#pragma once

#include <QString>
#include <optional>

namespace connections {

// A user name and password typed in the server dialog, kept in memory for this run only
// and used for every later connection to that server. Nothing here is ever written out.
namespace servercredentials {

struct SignIn
{
    QString user;
    QString password;
};

// Keeps the sign-in for a server; the pivot table's connections use it too (see the
// program context).
void keep(const QString& server, const QString& user, const QString& password);
std::optional<SignIn> forServer(const QString& server);
void forget();

// The connection string with the kept sign-in added when it names that server and no user
// of its own; any other string comes back unchanged.
QString signedIn(const QString& connectionString);

}

}
