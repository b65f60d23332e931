#pragma once

#include "platform/Result.h"

#include <QString>

namespace reports {

// The key of a report in the report dictionary: its cube and its name, compared without
// regard to case and in one Unicode normal form (NFC), so that a name typed with composed
// or with combining letters is the same report. Kept apart by a character no name can
// hold, so that cube "a-b" with report "c" and cube "a" with report "b-c" stay two reports.
QString reportKey(const QString& cubeName, const QString& viewName);

// One saved report: the pivot table's and the chart's persisted state, the view mode,
// and an optional category, type and HTML description.
class cOLAPReport
{
public:
    QString PivotXML;
    QString ViewName;
    QString CubeName;
    qint32 ViewType = 0;     // 1 pivot and chart, 2 pivot only, 3 chart only
    qint16 OWCVersion = 0;   // kept by the object only
    QString ReportType;
    QString ReportCategory;
    QString ReportDescription;   // HTML
    QString GraphXML;            // components 10 and 11
    qint16 GraphListIndex = 0;   // version 9: entry of the chart-type list
    qint16 GraphType = 0;        // version 9: chart type of the first chart

    // Where the report was read from or last written; not persisted. Removing or
    // re-saving a report acts on that file.
    QString SourcePath;

    // Writes the report into the current cube's folder, whole or not at all. A name that
    // cannot be a file name, or a failed write, is told to the user; false then.
    bool SaveReport();
    // Fills the report from a report file of the current cube. A file that cannot be read
    // or holds no report fails with the reason and the path; the report is then left as it was.
    platform::Result<void> ReadReport(const QString& path);

    QString Key() const;
};

}
