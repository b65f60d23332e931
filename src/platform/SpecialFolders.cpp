#include "platform/SpecialFolders.h"

#include "platform/VbError.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr long PathFileAccessError = 75;

[[noreturn]] void refuse(const QString& folder)
{
    raiseError(PathFileAccessError, QStringLiteral("Path/File access error"), folder);
}

}

SpecialFolders::SpecialFolders(QString documents, QString tempParent, QString runtime)
    : m_documents(std::move(documents)), m_tempParent(std::move(tempParent)), m_runtime(std::move(runtime))
{
}

SpecialFolders SpecialFolders::fromEnvironment()
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // The runtime folder is private to the user already; without one the shared temp
    // folder is the parent and the private folder below it is checked before use.
    const QString tempParent = runtime.isEmpty() ? QDir::tempPath() : runtime;
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return SpecialFolders(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), tempParent, runtime);
}

QString SpecialFolders::privateTemp() const
{
    const QString folder = m_tempParent + QStringLiteral("/tessaline-%1").arg(::getuid());
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        refuse(folder);
    struct stat info
    {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()
        || (info.st_mode & 077) != 0)
        refuse(folder);
    return folder;
}

}
