#pragma once

#include "app/reports/cOLAPReport.h"
#include "common/Dictionary.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace reports {

// Every saved report of every cube, keyed by cube and report name, in the order read.
class cReportsDic
{
public:
    common::Dictionary<std::shared_ptr<cOLAPReport>> dicViews = makeDictionary();

    // Reads the report files of all cubes, creating missing report folders. Leaves
    // gstrCubeName at the last cube read.
    void GetReports();
    // Forgets the report and deletes its file; a link is deleted itself, never the file it
    // leads to. A failure is told to the user and leaves the file as it was. True when the
    // report's file is gone, also when it was gone before.
    bool RemoveReport(const QString& strCubeName, const QString& strViewName);

    // Files that were passed over while reading: not a report, or a second file for a
    // report already read. Each entry names the file and why.
    const QStringList& SkippedFiles() const { return m_skipped; }

private:
    static common::Dictionary<std::shared_ptr<cOLAPReport>> makeDictionary();
    void readFolder(const QString& folder);

    QStringList m_skipped;
};

}
