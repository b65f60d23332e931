#pragma once

#include <QString>

// One saved report: the pivot table's and the chart's persisted state, the view mode,
// and an optional category, type and HTML description.
class cOLAPReport
{
public:
    QString PivotXML;
    QString ViewName;
    QString CubeName;
    qint32 ViewType = 0;        // 1 pivot and chart, 2 pivot only, 3 chart only
    qint16 OWCVersion = 0;      // kept by the object only
    QString ReportType;
    QString ReportCategory;
    QString ReportDescription;  // HTML
    QString GraphXML;           // components 10 and 11
    qint16 GraphListIndex = 0;  // version 9: entry of the chart-type list
    qint16 GraphType = 0;       // version 9: chart type of the first chart

    // Where the report was read from; empty for a report not yet saved. Not persisted:
    // removing or re-saving a report acts on the file it came from.
    QString SourcePath;

    QString Key() const;
};
