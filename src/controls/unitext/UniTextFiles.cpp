#include "controls/unitext/UniTextFiles.h"

#include "platform/AtomicFile.h"

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
        return refused(QStringLiteral("No file name"));
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly))
        return refused(filename + QStringLiteral(": ") + file.errorString());
    // Folders, pipes and devices have no size to check, and a pipe may never end.
    if (file.isSequential() || !QFileInfo(filename).isFile())
        return refused(filename + QStringLiteral(": not a file"));
    if (file.size() > largest)
        return refused(filename + QStringLiteral(": the file is larger than a text box can hold"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refused(filename + QStringLiteral(": ") + file.errorString());
    if (bytes.size() > largest)   // grown since its size was taken
        return refused(filename + QStringLiteral(": the file is larger than a text box can hold"));

    LoadResult result;
    if (!bytes.isEmpty()) {
        result.decoded = decodeFile(bytes, ifNoByteOrderMark, fileCodePage);
        if (!result.decoded)
            return refused(filename + QStringLiteral(": code page %1 cannot be read").arg(fileCodePage));
    }
    result.ok = true;
    return result;
}

bool saveTextFile(const QString& filename, QStringView text, int32_t byteOrderMark, bool overwriteExisting,
                  int fileCodePage, QString* error)
{
    if (filename.isEmpty())
        return refuse(error, QStringLiteral("No file name"));
    if (text.isEmpty())
        return refuse(error, QStringLiteral("No text to save"));
    if (!isEncodingCode(byteOrderMark))
        return refuse(error, QStringLiteral("Unknown encoding %1").arg(byteOrderMark));
    const std::optional<QByteArray> bytes = encodeFile(text, byteOrderMark, fileCodePage);
    if (!bytes || bytes->isEmpty())
        return refuse(error, QStringLiteral("The text cannot be written in code page %1").arg(fileCodePage));
    const QFileInfo info(filename);
    if (!overwriteExisting && (info.exists() || info.isSymLink()))
        return refuse(error, filename + QStringLiteral(": the file exists"));
    if (info.isDir())
        return refuse(error, filename + QStringLiteral(": is a folder"));
    return platform::writeFileAtomically(filename, *bytes, error);
}

}
