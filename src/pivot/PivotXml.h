#pragma once

#include "pivot/PivotLayout.h"

#include <optional>

namespace pivot {

// Everything the pivot table persists: what it is bound to, its layout and its panels.
struct PivotState
{
    QString connectionString;
    QString dataMember;
    QString title;
    bool displayFieldList = true;
    bool displayPropertyToolbox = false;
    PivotLayout layout;
    friend bool operator==(const PivotState&, const PivotState&) = default;
};

// Our own versioned XML. The report file that stores it splits on "***", "XYZ" and
// "XXX" and swaps the data folder for "XXX", so outside the connection string no "*"
// or "X" is written literally, and the connection string stands first and verbatim
// (without its password). Since version 2 every text is written with each "\" doubled and
// each character that XML cannot carry as "\uXXXX"; version 1 texts are read as they stand.
//
//   <pivottable version="2">
//     <connection><![CDATA[Provider=...;data source=...]]></connection>
//     <datamember>..</datamember> <title>..</title> <panels fieldlist="1" toolbox="0"/>
//     <rows showempty subtotals grandtotal sortlabel sortmeasure sortvalue>
//       <field hierarchy level> <expanded|collapsed><member><key>..</key>...</member>
//     </rows> <columns ...>
//     <filterfields><field hierarchy level/></filterfields>
//     <filters><filter hierarchy><member><key>..</key></member></filter></filters>
//     <data><field measure caption format/></data>
//   </pivottable>
QString writePivotXml(const PivotState& state);
// nullopt for text that is not a pivot state of a version we read.
std::optional<PivotState> readPivotXml(const QString& xml);

// The connection string with every Password= (or Pwd=) item left out.
QString withoutPassword(const QString& connectionString);

}
