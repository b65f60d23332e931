#include "controls/unitext/UniTextFiles.h"

#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace unitext {

namespace {

LoadResult refused(const QString& why)
{
    LoadResult result;
    result.error = why;
    return result;
}

bool refuse(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

}

LoadResult loadTextFile(const QString& filename, int32_t ifNoByteOrderMark, int fileCodePage, qint64 largest)
{
    if (filename.isEmpty())
        return refused(QCoreApplication::translate("unitext", "No file name"));
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly))
        return refused(filename + QStringLiteral(": ") + file.errorString());
    // Folders, pipes and devices have no size to check, and a pipe may never end.
    if (file.isSequential() || !QFileInfo(filename).isFile())
        return refused(QCoreApplication::translate("unitext", "%1: not a file").arg(filename));
    if (file.size() > largest)
        return refused(
            QCoreApplication::translate("unitext", "%1: the file is larger than a text box can hold").arg(filename));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refused(filename + QStringLiteral(": ") + file.errorString());
    if (bytes.size() > largest)   // grown since its size was taken
        return refused(
            QCoreApplication::translate("unitext", "%1: the file is larger than a text box can hold").arg(filename));

    LoadResult result;
    if (!bytes.isEmpty()) {
        result.decoded = decodeFile(bytes, ifNoByteOrderMark, fileCodePage);
        if (!result.decoded)
            return refused(QCoreApplication::translate("unitext", "%1: code page %2 cannot be read")
                               .arg(filename, QString::number(fileCodePage)));
    }
    result.ok = true;
    return result;
}

bool saveTextFile(const QString& filename, QStringView text, int32_t byteOrderMark, bool overwriteExisting,
                  int fileCodePage, QString* error)
{
    if (filename.isEmpty())
        return refuse(error, QCoreApplication::translate("unitext", "No file name"));
    if (text.isEmpty())
        return refuse(error, QCoreApplication::translate("unitext", "No text to save"));
    if (!isEncodingCode(byteOrderMark))
        return refuse(error, QCoreApplication::translate("unitext", "Unknown encoding %1").arg(byteOrderMark));
    const std::optional<QByteArray> bytes = encodeFile(text, byteOrderMark, fileCodePage);
    if (!bytes || bytes->isEmpty())
        return refuse(
            error,
            QCoreApplication::translate("unitext", "The text cannot be written in code page %1").arg(fileCodePage));
    const QFileInfo info(filename);
    if (!overwriteExisting && (info.exists() || info.isSymLink()))
        return refuse(error, QCoreApplication::translate("unitext", "%1: the file exists").arg(filename));
    if (info.isDir())
        return refuse(error, QCoreApplication::translate("unitext", "%1: is a folder").arg(filename));
    const platform::Result<void> written = platform::writeFileAtomically(filename, *bytes);
    if (!written)
        return refuse(error, written.failure().text());
    return true;
}

}
