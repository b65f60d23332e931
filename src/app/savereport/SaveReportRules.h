#pragma once

#include <QString>

// What the save dialog checks and changes before a report is written. The report file
// keeps its fields apart with "***" and "XYZ" and cannot quote them, so no field may
// carry them as they stand.
namespace savereport {

constexpr qsizetype kMaxReportNameLength = 150;

// The name a report is stored under: blanks alone count as no name (empty result), and a
// longer name keeps its first 150 UTF-16 units, one less when the cut would split a
// surrogate pair.
QString storedReportName(const QString& typed);

// Empty when the field can be stored; else the message that names the field by its caption.
QString separatorRefusal(const QString& fieldCaption, const QString& value);

struct StoredDescription
{
    QString html;      // what goes into the report file
    QString refusal;   // not empty: the description cannot be stored as it stands
};

// A separator in the description's text becomes character references ("XYZ" ->
// "&#88;YZ", "***" -> "&#42;**"), which show the same. Plain text that needs this is
// made into an HTML paragraph first, so that it still shows as typed. A separator inside
// a tag, a comment, a script or a style cannot be written another way and is refused.
StoredDescription storedDescription(const QString& description, const QString& fieldCaption);

}
