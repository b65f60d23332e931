#include "common/modFileHandling.h"

#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "platform/Desktop.h"
#include "platform/Printing.h"
#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>

namespace modFileHandling {

namespace {

bool& blnFSORepaired = common::commonState.fsoRepaired;
QString& strCachedTempPath = common::commonState.tempPath;

using common::Message;
using modErroHandling::subLogStep;

// Components are our own and registered with the program; re-registering one has
// nothing to do, but the repair paths keep their shape.
void registerComponent(const QString&)
{
}

}

void subSetupFS()
{
    if (gobjFSO)
        return;
    subLogStep(QStringLiteral("Creating Scripting.FileSystemObject\r\n"
                              "This component is normally installed with Internet Explorer 4.0 or later"));
    common::ResumeNext resume;
    resume.run([] { gobjFSO = std::make_unique<platform::FileSystemObject>(); });
    if (gobjFSO)
        return;
    if (!blnFSORepaired) {
        subRegisterScrrun();
        blnFSORepaired = true;
        subSetupFS();
        return;
    }
    subLogStep(QString());
    modErroHandling::subHandleError(resume.description(), resume.number(), 0, QStringLiteral("subSetupFS"));
}

void subRegisterScrrun()
{
    registerComponent(QStringLiteral("scrrun.dll"));
}

void subFixDamagedComCtl32()
{
    common::handled(QStringLiteral("modFileHandling.subFixDamagedComCtl32"), Message::LastStep, [] {
        subSetupFS();
        registerComponent(QStringLiteral("comctl32.ocx"));
    });
}

QString fncGetTempPath()
{
    return common::handled(QStringLiteral("fncGetTempPath"), Message::LastStep, [] {
        subSetupFS();
        subLogStep(QStringLiteral("Finding Temp folder path"));
        return gobjFSO->GetSpecialFolder(2).Path();
    });
}

QString fncClearEndSlash(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return path.chopped(1);
    return path;
}

namespace {

QString chooseName(const QString& file, bool blnTemp)
{
    if (!blnTemp && !file.isEmpty())
        return file;
    if (strCachedTempPath.isEmpty())
        strCachedTempPath = fncGetTempPath();
    const QString folder = fncClearEndSlash(strCachedTempPath) + QLatin1Char('/');
    if (!file.isEmpty())
        return folder + file;
    // Only the made-up name changes; the folder's own path may well contain ".tmp".
    return folder + gobjFSO->GetTempName().replace(QStringLiteral(".tmp"), QStringLiteral(".ndf"));
}

// A temporary file that cannot be deleted is left alone and a numbered name taken:
// "x.htm", then "x1.htm", "x12.htm", "x123.htm", ...
QString freeNumberedName(QString path)
{
    common::ResumeNext resume;
    for (qint16 n = 1; gobjFSO->FileExists(path) && n < 32767; ++n) {
        path = path.left(path.size() - 4) + QString::number(n) + path.right(4);
        resume.run([&] {
            if (gobjFSO->FileExists(path))
                gobjFSO->DeleteFile(path, true);
        });
    }
    return path;
}

}

QString fncSaveTextFile(const QString& file, const QString& text, bool blnTemp)
{
    return common::handled(QStringLiteral("fncSaveTextFile"), Message::LastStep, [&] {
        subSetupFS();
        QString path = chooseName(file, blnTemp);
        subLogStep(QStringLiteral("Checking for previoius existance of ") + path);
        if (gobjFSO->FileExists(path)) {
            common::ResumeNext deletion;
            deletion.run([&] { gobjFSO->DeleteFile(path, true); });
            if (deletion.pending() && !blnTemp)
                modErroHandling::subHandleError(deletion.description(), deletion.number(), 0,
                                                QStringLiteral("fncSaveTextFile"));
            if (deletion.pending())
                path = freeNumberedName(path);
        }
        QString written = text;
        written.remove(QLatin1Char('"'));
        subLogStep(QStringLiteral("Saving textfile ") + path);
        auto stream = gobjFSO->CreateTextFile(path, true, true);
        stream->Write(written);
        stream->Close();
        return path;
    });
}

void subPrintFile(const QString& path)
{
    common::handled(QStringLiteral("subPrintFile"), Message::LastStep, [&] {
        subSetupFS();
        subLogStep(QStringLiteral("Attempting to print the file ") + path);
        const platform::File printed = gobjFSO->GetFile(path);
        subFolderItemInvokeVerbVB(printed.ParentFolder().Path() + QLatin1Char('/'), printed.Name(),
                                  QStringLiteral("Print"));
    });
}

void subFolderItemInvokeVerbVB(const QString& vFolder, const QString& vFile, const QString& strVerb)
{
    common::handled(QStringLiteral("modFileHandling:subFolderItemInvokeVerbVB"), Message::LastStep, [&] {
        subLogStep(QStringLiteral("Trying to execute ") + vFolder + QLatin1Char(' ') + vFile);
        if (!QFileInfo(vFolder).isDir())
            return;
        const QString item = QDir(vFolder).filePath(vFile);
        if (!QFileInfo::exists(item))
            return;
        if (strVerb.isEmpty() || strVerb.compare(QStringLiteral("open"), Qt::CaseInsensitive) == 0)
            platform::services().urlOpener->openFile(item);
        else if (strVerb.compare(QStringLiteral("Print"), Qt::CaseInsensitive) == 0)
            platform::DocumentPrinter::printFile(item);
    });
}

}
