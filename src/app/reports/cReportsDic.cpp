#include "app/reports/cReportsDic.h"

#include "app/reports/ReportFolders.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"
#include "common/modScriptingDic.h"
#include "common/subEndProgram.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace reports {

using namespace modGlobals;

namespace {

void tellUser(const QString& text)
{
    platform::services().messageBox->msgBox(text, platform::mb::vbCritical, gstrAppTitle);
}

// Creates a missing folder; a folder the user may not create ends the program with a
// message naming that folder (the report root, or a cube's folder under it).
void ensureFolder(const QString& folder)
{
    if (modFileHandling::gobjFSO->FolderExists(folder))
        return;
    try {
        modFileHandling::gobjFSO->CreateFolder(folder);
    } catch (const platform::VbError& error) {
        if (error.number() != platform::err::PermissionDenied)
            throw;
        tellUser(QStringLiteral("Access denied to create folder at path ") + folder);
        modMain::subEndProgram(modMain::EndCause::Failure);
    }
}

// Report files in name order, ignoring case, so that the first report and the order of
// the lists never depend on how the file system happens to list them.
QStringList reportFiles(const QString& folder)
{
    QStringList names;
    for (const platform::File& file : modFileHandling::gobjFSO->GetFolder(folder).Files()) {
        const QString name = file.Name();
        if (name.endsWith(QStringLiteral(".txt")))
            names.append(name);
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

// Whether `path` lies in the report folders of the data folder once every link on the way is
// followed. A cube's folder may be a link to another place, where its reports are read; but
// a removal must never delete a file outside the data folder.
bool liesInReportFolders(const QString& path)
{
    const QString root = QFileInfo(reportfolders::root()).canonicalFilePath();
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !root.isEmpty() && (folder == root || folder.startsWith(root + QLatin1Char('/')));
}

}

common::Dictionary<std::shared_ptr<cOLAPReport>> cReportsDic::makeDictionary()
{
    return modScriptingDic::fncCreateDic<std::shared_ptr<cOLAPReport>>();
}

void cReportsDic::readFolder(const QString& folder)
{
    // Saves that were killed half-way left their scratch files here; the first reading of
    // a run (at start) and every later one clears them away.
    platform::removeStaleScratchFiles(folder);
    QStringList names;
    try {
        names = reportFiles(folder);
    } catch (const platform::VbError& error) {
        if (error.number() != platform::err::PermissionDenied)
            throw;
        m_skipped.append(error.description());
        return;
    }
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        auto report = std::make_shared<cOLAPReport>();
        const platform::Result<void> read = report->ReadReport(path);
        if (!read) {
            m_skipped.append(read.failure().text());
        } else if (dicViews.Exists(report->Key())) {
            m_skipped.append(QCoreApplication::translate("reports", "%1: another file holds the report \"%2\" already.")
                                 .arg(path, report->ViewName));
        } else {
            dicViews.Add(report->Key(), report);
        }
    }
}

void cReportsDic::GetReports()
{
    common::handled(QStringLiteral("cReportsDic.GetReports"), common::Message::Description, [this] {
        modFileHandling::subSetupFS();
        const QString root = reportfolders::root();
        const QStringList cubes = gdicCubes.Keys();
        for (const QString& cube : cubes) {
            gstrCubeName = cube;
            modErroHandling::subLogStep(QStringLiteral("Reading .cub files from ") + gstrDataPath);
            // A single cube also owns the report files that lie directly in the root.
            if (cubes.size() == 1) {
                ensureFolder(root);
                readFolder(root);
            }
            ensureFolder(root);
            ensureFolder(reportfolders::cubeFolder(cube));
            readFolder(reportfolders::cubeFolder(cube));
        }
    });
}

bool cReportsDic::RemoveReport(const QString& strCubeName, const QString& strViewName)
{
    const QString key = reportKey(strCubeName, strViewName);
    QString path = reportfolders::cubeFolder(strCubeName) + QLatin1Char('/') + strViewName + QStringLiteral(".txt");
    if (dicViews.Exists(key)) {
        const QString source = dicViews.Item(key)->SourcePath;
        if (!source.isEmpty())
            path = source;
    }
    if (QFileInfo(QFileInfo(path).absolutePath()).isDir() && !liesInReportFolders(path)) {
        tellUser(QStringLiteral("Failed to remove selected report!\r\n") + path + QStringLiteral(": ")
                 + QCoreApplication::translate("reports", "its folder leads out of the data folder."));
        return false;
    }
    if (dicViews.Exists(key))
        dicViews.Remove(key);
    try {
        modFileHandling::subSetupFS();
        modFileHandling::gobjFSO->DeleteFile(path, true);
    } catch (const platform::VbError& error) {
        tellUser(QStringLiteral("Failed to remove selected report!\r\n") + path + QStringLiteral(": ")
                 + error.description());
        // A file that someone else removed meanwhile is gone all the same.
        return !QFileInfo::exists(path);
    }
    return true;
}

}
