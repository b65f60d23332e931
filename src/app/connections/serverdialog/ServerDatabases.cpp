#include "app/connections/serverdialog/ServerDatabases.h"

#include "app/connections/CubeConnection.h"
#include "common/ErrorBoundary.h"
#include "olap/Connection.h"

#include <QDialog>
#include <QEventLoop>
#include <QThread>
#include <memory>

namespace connections::serverdialog {

DatabaseListing listDatabases(const QString& server, const QString& user, const QString& password)
{
    DatabaseListing listing;
    olap::Connection cn;
    listing.connected = connections::GetMOLAPConnection(cn, server, QString(), user, password, &listing.why);
    if (listing.connected) {
        common::ResumeNext skip;
        skip.run([&] {
            for (olap::Recordset catalogs = cn.OpenSchema(olap::Connection::adSchemaCatalogs); !catalogs.Eof();
                 catalogs.MoveNext())
                listing.databases << catalogs.Fields(QStringLiteral("CATALOG_NAME")).toString();
        });
    }
    return listing;
}

std::optional<DatabaseListing> listDatabasesWhileAnswering(const QString& server, const QString& user,
                                                           const QString& password, QDialog& dialog)
{
    // Shared with the thread, which may outlive this wait.
    auto listing = std::make_shared<DatabaseListing>();
    QThread* worker =
        QThread::create([listing, server, user, password] { *listing = listDatabases(server, user, password); });
    QEventLoop wait;
    bool answered = false;
    QObject::connect(worker, &QThread::finished, &wait, [&] {
        answered = true;
        wait.quit();
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(&dialog, &QDialog::finished, &wait, &QEventLoop::quit);
    worker->start();
    wait.exec();
    if (!answered)
        return std::nullopt;
    return *listing;
}

}
