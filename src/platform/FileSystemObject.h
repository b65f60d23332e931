#pragma once

#include "platform/TextStream.h"

#include <QList>
#include <QString>
#include <memory>

namespace platform {

class Folder;

class File
{
public:
    explicit File(QString path);
    QString Name() const;
    const QString& Path() const { return m_path; }
    Folder ParentFolder() const;

private:
    QString m_path;
};

class Folder
{
public:
    explicit Folder(QString path);
    QString Name() const;
    const QString& Path() const { return m_path; }
    // There are no 8.3 names here: the short form is the path itself.
    const QString& ShortPath() const { return m_path; }
    // In the order the file system lists them.
    // Raise 70 (permission denied), naming the folder, when it cannot be listed.
    QList<File> Files() const;

private:
    QString m_path;
};

// The program's file-system object. Raises the run-time errors its callers test for:
// 53 file not found, 58 file already exists, 70 permission denied, 76 path not found.
class FileSystemObject
{
public:
    virtual ~FileSystemObject() = default;

    bool FileExists(const QString& path) const;   // a folder is not a file
    bool FolderExists(const QString& path) const;
    Folder CreateFolder(const QString& path) const;
    // `force` deletes a read-only file too. A link is deleted itself, never what it leads to;
    // a deletion that fails (70, with the system's reason) changes nothing.
    virtual void DeleteFile(const QString& path, bool force = false) const;
    File GetFile(const QString& path) const;
    Folder GetFolder(const QString& path) const;
    // "rad" followed by five hexadecimal digits and ".tmp".
    QString GetTempName() const;
    // 2 is the temporary folder: the user's private one.
    Folder GetSpecialFolder(int folder) const;

    std::unique_ptr<TextStream> OpenTextFile(const QString& path, IOMode mode = ForReading, bool create = false,
                                             Tristate format = TristateFalse) const;
    std::unique_ptr<TextStream> CreateTextFile(const QString& path, bool overwrite = true, bool unicode = false) const;
};

}
