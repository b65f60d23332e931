#include "controls/unitext/UniTextFiles.h"

#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace unitext {

namespace {

// The file could not be read; Qt's reason, after the name.
platform::Failure unreadable(const QFile& file)
{
    return platform::Failure{file.errorString(), file.fileName()};
}

}

LoadResult loadTextFile(const QString& filename, int32_t ifNoByteOrderMark, int fileCodePage, qint64 largest)
{
    if (filename.isEmpty())
        return platform::Failure{QCoreApplication::translate("unitext", "No file name")};
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(file);
    // Folders, pipes and devices have no size to check, and a pipe may never end.
    if (file.isSequential() || !QFileInfo(filename).isFile())
        return platform::Failure{QCoreApplication::translate("unitext", "%1: not a file").arg(filename)};
    if (file.size() > largest)
        return platform::Failure{
            QCoreApplication::translate("unitext", "%1: the file is larger than a text box can hold").arg(filename)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadable(file);
    if (bytes.size() > largest)   // grown since its size was taken
        return platform::Failure{
            QCoreApplication::translate("unitext", "%1: the file is larger than a text box can hold").arg(filename)};

    if (bytes.isEmpty())
        return std::optional<DecodedFile>();
    std::optional<DecodedFile> decoded = decodeFile(bytes, ifNoByteOrderMark, fileCodePage);
    if (!decoded)
        return platform::Failure{QCoreApplication::translate("unitext", "%1: code page %2 cannot be read")
                                     .arg(filename, QString::number(fileCodePage))};
    return decoded;
}

platform::Result<void> saveTextFile(const QString& filename, QStringView text, int32_t byteOrderMark,
                                    bool overwriteExisting, int fileCodePage)
{
    if (filename.isEmpty())
        return platform::Failure{QCoreApplication::translate("unitext", "No file name")};
    if (text.isEmpty())
        return platform::Failure{QCoreApplication::translate("unitext", "No text to save")};
    if (!isEncodingCode(byteOrderMark))
        return platform::Failure{QCoreApplication::translate("unitext", "Unknown encoding %1").arg(byteOrderMark)};
    const std::optional<QByteArray> bytes = encodeFile(text, byteOrderMark, fileCodePage);
    if (!bytes || bytes->isEmpty())
        return platform::Failure{
            QCoreApplication::translate("unitext", "The text cannot be written in code page %1").arg(fileCodePage)};
    const QFileInfo info(filename);
    if (!overwriteExisting && (info.exists() || info.isSymLink()))
        return platform::Failure{QCoreApplication::translate("unitext", "%1: the file exists").arg(filename)};
    if (info.isDir())
        return platform::Failure{QCoreApplication::translate("unitext", "%1: is a folder").arg(filename)};
    return platform::writeFileAtomically(filename, *bytes);
}

}
