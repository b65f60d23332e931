#pragma once

#include "olap/CubeSource.h"
#include "olap/Recordset.h"
#include "platform/VbError.h"

#include <memory>

namespace olap {

// True for a failure of the cube server or of the network on the way to it, which another
// provider version would meet alike; false for the provider's own (not registered, bad string).
bool isServerFailure(const platform::VbError& error);
// True only when the provider asked for is not registered: the one failure that installing a
// provider mends.
bool isProviderMissing(const platform::VbError& error);

// A connection to cube data, as the program's procedures open and read it: a cube file
// ("data source=<folder>/<name>.cub") or a catalog on the cube server ("Data Source=host[:port];
// Initial Catalog=database"), through the provider "MSOLAP", "MSOLAP.3" or "MSOLAP.4".
class Connection
{
public:
    static constexpr int adSchemaCatalogs = 1;

    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens, or raises platform::VbError: 0x80004005 for every failure of the provider (not
    // registered, bad string, unreadable or damaged cube file, server refused), 3705 when
    // already open. A cube file that cannot be used is raised with the source "CubeFile"
    // and a description naming the file. A user or password given here overrides the string's.
    void Open(const QString& connectionString, const QString& userId = {}, const QString& password = {},
              long options = -1);
    void Close();
    bool isOpen() const { return bool(m_state); }

    // The cube of a cube file, or the server catalog signed in to. Raises 3704 when closed.
    QString DefaultDatabase() const;
    // The provider answering: "MSOLAP.4" or "MSOLAP.3" (an unversioned request gives the newest registered).
    QString Provider() const;
    // adSchemaCatalogs: one row per catalog, field "CATALOG_NAME"; the server's databases by name.
    Recordset OpenSchema(int schema) const;

    // The cubes this connection reaches, in their order (the cube definitions of the catalog).
    QStringList cubeNames() const;
    // Opens one of them for queries; an empty name opens the first.
    std::unique_ptr<CubeSource> openCube(const QString& name) const;

private:
    struct State;
    void requireOpen() const;
    std::unique_ptr<State> m_state;
};

}
