#include "app/reports/cOLAPReport.h"

#include "app/reports/ReportFolders.h"
#include "app/reports/ReportRecord.h"
#include "app/reports/cReportsDic.h"
#include "app/state/modGlobals.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"
#include "lang/AnsiCodePage.h"
#include "lang/modMultiLingual.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace reports {

using namespace modGlobals;

QString reportKey(const QString& cubeName, const QString& viewName)
{
    return (cubeName + QChar(0x1F) + viewName).normalized(QString::NormalizationForm_C);
}

QString cOLAPReport::Key() const
{
    return reportKey(CubeName, ViewName);
}

namespace {

reportrecord::Context recordContext()
{
    return reportrecord::Context{
        gbOWCXP ? reportrecord::Layout::Components10And11 : reportrecord::Layout::Version9,
        gbServerMode ? gstrServerName : gstrDataPath,
        gstrProvider,
        lang::GetACP(),
    };
}

void tellUser(const QString& text)
{
    platform::services().messageBox->msgBox(text, platform::mb::vbCritical, gstrAppTitle);
}

// The file a save goes to: the one the report came from when it is this report of this
// cube, else the file the tree's report of that name was read from (a single cube's may
// lie in the report root), else an existing file of the same name in any letter case or
// Unicode normal form, else a new one named as typed.
QString targetPath(const cOLAPReport& report)
{
    const QString folder = reportfolders::cubeFolder(gstrCubeName);
    const QString key = reportKey(gstrCubeName, report.ViewName);
    if (!report.SourcePath.isEmpty()
        && reportKey(report.CubeName, reportrecord::reportNameFromFileName(QFileInfo(report.SourcePath).fileName()))
                .compare(key, Qt::CaseInsensitive)
            == 0)
        return report.SourcePath;
    if (gobjReportsDic && gobjReportsDic->dicViews.Exists(key)) {
        const QString read = gobjReportsDic->dicViews.Item(key)->SourcePath;
        if (!read.isEmpty())
            return read;
    }
    const QStringList existing = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString& name : existing) {
        if (reportKey(gstrCubeName, reportrecord::reportNameFromFileName(name)).compare(key, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + name;
    }
    return folder + QLatin1Char('/') + report.ViewName + QStringLiteral(".txt");
}

}

bool cOLAPReport::SaveReport()
{
    modFileHandling::subSetupFS();
    const QString unsafe = reportrecord::unsafeReportNameReason(ViewName);
    if (!unsafe.isEmpty()) {
        tellUser(unsafe);
        return false;
    }
    const QString path = targetPath(*this);
    // A report that would not read back is not written: the old file, if any, stays.
    const QString unreadable = reportrecord::unreadableReason(*this, recordContext());
    if (!unreadable.isEmpty()) {
        tellUser(modMultiLingual::LNGFAILEDSAVEREPORT + QStringLiteral("\r\n") + path + QStringLiteral("\r\n")
                 + unreadable);
        return false;
    }
    modErroHandling::subLogStep(QStringLiteral("Writing report to ") + path);
    // A cube folder that cannot be made fails the write, which tells why.
    QDir().mkpath(QFileInfo(path).path());
    const platform::Result<void> written =
        platform::writeFileAtomically(path, reportrecord::encode(*this, recordContext()));
    if (!written) {
        tellUser(modMultiLingual::LNGFAILEDSAVEREPORT + QStringLiteral("\r\n") + written.failure().text());
        return false;
    }
    SourcePath = path;
    return true;
}

platform::Result<void> cOLAPReport::ReadReport(const QString& path)
{
    modFileHandling::subSetupFS();
    modErroHandling::subLogStep(QStringLiteral("Reading report from ") + path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return platform::Failure{file.errorString(), path};
    cOLAPReport read = *this;
    const platform::Result<void> decoded = reportrecord::decode(file.readAll(), recordContext(), read);
    if (!decoded)
        return platform::Failure{decoded.failure().message, path};
    read.ViewName = reportrecord::reportNameFromFileName(QFileInfo(path).fileName());
    read.CubeName = gstrCubeName;
    read.SourcePath = path;
    *this = read;
    return {};
}

}
