#include "platform/FileSystemObject.h"

#include "platform/Services.h"
#include "platform/SpecialFolders.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <unistd.h>

namespace platform {

namespace {

[[noreturn]] void fileNotFound(const QString& path)
{
    raiseError(err::CannotFindFile, QStringLiteral("File not found"), path);
}

[[noreturn]] void pathNotFound(const QString& path)
{
    raiseError(err::PathNotFound, QStringLiteral("Path not found"), path);
}

// A folder that cannot be listed is not an empty one: its reader hears which it is.
void requireListable(const QString& path)
{
    DIR* dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir) {
        const int cause = errno;
        raiseError(err::PermissionDenied,
                   QCoreApplication::translate("platform", "The folder \"%1\" cannot be read: %2")
                       .arg(path, QString::fromLocal8Bit(std::strerror(cause))),
                   path);
    }
    ::closedir(dir);
}

QString nameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

}

File::File(QString path) : m_path(std::move(path))
{
}

QString File::Name() const
{
    return nameOf(m_path);
}

Folder File::ParentFolder() const
{
    return Folder(QFileInfo(m_path).absolutePath());
}

Folder::Folder(QString path) : m_path(std::move(path))
{
}

QString Folder::Name() const
{
    return nameOf(m_path);
}

QList<File> Folder::Files() const
{
    requireListable(m_path);
    QList<File> files;
    const QDir dir(m_path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted))
        files.append(File(dir.filePath(name)));
    return files;
}

bool FileSystemObject::FileExists(const QString& path) const
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool FileSystemObject::FolderExists(const QString& path) const
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

Folder FileSystemObject::CreateFolder(const QString& path) const
{
    const QFileInfo info(path);
    if (info.exists())
        raiseError(err::FileAlreadyExists, QStringLiteral("File already exists"), path);
    if (!QFileInfo(info.absolutePath()).isDir())
        pathNotFound(path);
    if (!QDir().mkdir(path))
        raiseError(err::PermissionDenied, QStringLiteral("Permission denied"), path);
    return Folder(path);
}

void FileSystemObject::DeleteFile(const QString& path, bool force) const
{
    if (!FileExists(path))
        fileNotFound(path);
    // Forced, a read-only file goes as well: here that takes only the folder's permission, so
    // nothing about the file is changed first and a deletion that fails leaves it as it was.
    // A link is removed itself, never the file it leads to.
    if (!force && !(QFile(path).permissions() & QFileDevice::WriteOwner))
        raiseError(err::PermissionDenied, QStringLiteral("Permission denied"), path);
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        raiseError(err::PermissionDenied, QString::fromLocal8Bit(std::strerror(errno)), path);
}

File FileSystemObject::GetFile(const QString& path) const
{
    if (!FileExists(path))
        fileNotFound(path);
    return File(QFileInfo(path).absoluteFilePath());
}

Folder FileSystemObject::GetFolder(const QString& path) const
{
    if (!FolderExists(path))
        pathNotFound(path);
    return Folder(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

QString FileSystemObject::GetTempName() const
{
    const quint32 number = QRandomGenerator::global()->bounded(0x100000u);
    return QStringLiteral("rad%1.tmp").arg(QString::number(number, 16).toUpper().rightJustified(5, QLatin1Char('0')));
}

Folder FileSystemObject::GetSpecialFolder(int folder) const
{
    constexpr int TemporaryFolder = 2;
    if (folder != TemporaryFolder)
        raiseError(err::InvalidArgument, QStringLiteral("Invalid procedure call or argument"));
    return Folder(services().folders->privateTemp());
}

std::unique_ptr<TextStream> FileSystemObject::OpenTextFile(const QString& path, IOMode mode, bool create,
                                                           Tristate format) const
{
    if (mode != ForReading && mode != ForWriting && mode != ForAppending)
        raiseError(err::InvalidArgument, QStringLiteral("Invalid procedure call or argument"), path);
    if (!FileExists(path)) {
        if (FolderExists(path))
            raiseError(err::PermissionDenied, QStringLiteral("Permission denied"), path);
        if (mode == ForReading || !create)
            fileNotFound(path);
        if (!FolderExists(QFileInfo(path).absolutePath()))
            pathNotFound(path);
    }
    return std::make_unique<TextStream>(path, mode, format);
}

std::unique_ptr<TextStream> FileSystemObject::CreateTextFile(const QString& path, bool overwrite, bool unicode) const
{
    if (FileExists(path) && !overwrite)
        raiseError(err::FileAlreadyExists, QStringLiteral("File already exists"), path);
    if (FolderExists(path))
        raiseError(err::PermissionDenied, QStringLiteral("Permission denied"), path);
    if (!FolderExists(QFileInfo(path).absolutePath()))
        pathNotFound(path);
    return std::make_unique<TextStream>(path, ForWriting, unicode ? TristateTrue : TristateFalse);
}

}
