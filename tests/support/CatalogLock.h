#pragma once

#include <QCryptographicHash>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

// The lock that test programs running side by side take while one of them creates a catalog
// on the test server: beside the server's socket when it listens on one (a folder of this
// test run), else in the user's private runtime folder; never a fixed name in the shared
// temporary folder.
inline QString catalogLockPath()
{
    const QString host = qEnvironmentVariable("PGHOST");
    const QByteArray server =
        QCryptographicHash::hash(qgetenv("PGHOST") + qgetenv("PGPORT"), QCryptographicHash::Md5).toHex().left(8);
    const QFileInfo socketFolder(host);
    const QString folder = socketFolder.isDir() && socketFolder.isWritable()
        ? host
        : QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder + QStringLiteral("/tessaline-catalogs-") + QString::fromLatin1(server) + QStringLiteral(".lock");
}
