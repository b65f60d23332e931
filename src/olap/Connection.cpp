#include "olap/Connection.h"

#include "olap/ConnectionString.h"
#include "olap/CubeFileLoad.h"
#include "olap/MemoryCube.h"
#include "olap/PgConnection.h"
#include "olap/ServerCube.h"
#include "platform/VbError.h"

#include <QCoreApplication>

namespace olap {

bool isServerFailure(const platform::VbError& error)
{
    return error.source() == cubeServerErrorSource();
}

namespace {

constexpr long kObjectClosed = 3704;
constexpr long kObjectOpen = 3705;

const QString kProviderMissing = QStringLiteral("Provider");

}

bool isProviderMissing(const platform::VbError& error)
{
    return error.source() == kProviderMissing;
}

struct Connection::State
{
    QString provider;
    DataSource source;
    QString cubeName;                       // a cube file's cube
    std::shared_ptr<PgConnection> server;   // a server catalog
};

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::Open(const QString& connectionString, const QString& userId, const QString& password, long)
{
    if (m_state)
        platform::raiseError(kObjectOpen, QStringLiteral("Operation is not allowed when the object is open."),
                             QStringLiteral("Connection"));
    const ConnectionString cs = ConnectionString::parse(connectionString);
    auto state = std::make_unique<State>();
    try {
        state->provider = ProviderName::resolve(cs.value(QStringLiteral("Provider"), QString())).reported();
    } catch (const platform::VbError& e) {
        platform::raiseError(e.number(), e.description(), kProviderMissing);
    }
    state->source = DataSource::fromConnectionString(cs);
    if (!userId.isEmpty())
        state->source.user = userId;
    if (!password.isEmpty())
        state->source.password = password;
    if (state->source.kind == DataSource::Kind::CubeFile)
        state->cubeName = inspectCubeFile(state->source.cubeFile);
    else
        state->server = std::make_shared<PgConnection>(state->source);
    m_state = std::move(state);
}

void Connection::Close()
{
    requireOpen();
    m_state.reset();
}

void Connection::requireOpen() const
{
    if (!m_state)
        platform::raiseError(kObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."),
                             QStringLiteral("Connection"));
}

QString Connection::DefaultDatabase() const
{
    requireOpen();
    return m_state->server ? m_state->server->database() : m_state->cubeName;
}

QString Connection::Provider() const
{
    requireOpen();
    return m_state->provider;
}

Recordset Connection::OpenSchema(int schema) const
{
    requireOpen();
    if (schema != adSchemaCatalogs)
        platform::raiseError(platform::err::Unspecified,
                             QStringLiteral("The provider does not support schema %1.").arg(schema),
                             QStringLiteral("Connection"));
    QVector<QVector<QVariant>> rows;
    if (!m_state->server) {
        rows.append({m_state->cubeName});
    } else {
        for (const SqlRow& row : m_state->server->rows(
                 QStringLiteral("SELECT datname FROM pg_database WHERE datallowconn AND NOT datistemplate "
                                "AND has_database_privilege(datname, 'CONNECT') ORDER BY datname")))
            rows.append({row.value(0)});
    }
    return Recordset({QStringLiteral("CATALOG_NAME")}, rows);
}

QStringList Connection::cubeNames() const
{
    requireOpen();
    return m_state->server ? ServerCube::cubeNames(*m_state->server) : QStringList{m_state->cubeName};
}

std::unique_ptr<CubeSource> Connection::openCube(const QString& name) const
{
    requireOpen();
    if (m_state->server) {
        QString cube = name;
        if (cube.isEmpty()) {
            const QStringList names = cubeNames();
            if (names.isEmpty())
                platform::raiseError(
                    platform::err::Unspecified,
                    QCoreApplication::translate("olap", "The catalog \"%1\" holds no cubes.").arg(DefaultDatabase()),
                    QStringLiteral("Connection"));
            cube = names.front();
        }
        return std::make_unique<ServerCube>(m_state->server, cube);
    }
    if (!name.isEmpty() && name != m_state->cubeName)
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("olap", "The cube file \"%1\" holds no cube \"%2\".")
                                 .arg(m_state->source.cubeFile, name),
                             QStringLiteral("Connection"));
    return std::make_unique<MemoryCube>(CubeFileLoad::of(m_state->source.cubeFile));
}

}
