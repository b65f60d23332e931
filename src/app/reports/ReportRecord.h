#pragma once

#include "app/reports/cOLAPReport.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace reports {

// The report file's record: a head holding the components' XML and the numbers, and a
// description block, joined by "***"; stored as UTF-16LE code units without a byte-order
// mark. Kept free of program state so that every rule can be checked on its own.
namespace reportrecord {

enum class Layout { Components10And11, Version9 };

struct Context
{
    Layout layout = Layout::Components10And11;
    // The data folder (cube files) or the server name (server mode): written as "XXX" in
    // the components' XML, so that a report survives a moved data folder or a renamed
    // server. Where that could not be undone on reading (the XML holds "XXX" itself), the
    // XML is written as it is.
    QString location;
    // The provider part ("Provider=MSOLAP.4") that replaces the one stored in the pivot
    // XML on reading; empty (no provider known yet) keeps the stored one.
    QString provider;
    // The Windows ANSI code page that 8-bit report files are read in.
    int ansiCodePage = 1252;
};

// The record's text, and its bytes as the file holds them.
QString compose(const cOLAPReport& report, const Context& context);
QByteArray encode(const cOLAPReport& report, const Context& context);

// Why the record of `report` would not read back as the same report ("***" in a cube
// name, "XYZ" in a description...); empty when it does. A save must be refused otherwise.
QString unreadableReason(const cOLAPReport& report, const Context& context);

// Fills the persisted fields of `report` from a file's bytes. A record that cannot be
// read (too few fields, a number that is no number) leaves `report` untouched and fails
// with the reason.
platform::Result<void> decode(const QByteArray& bytes, const Context& context, cOLAPReport& report);

// The text of a report file: UTF-16LE with or without its byte-order mark (what this
// program writes has none; an odd last byte is dropped either way), else 8-bit text
// (UTF-8 when valid, else the given Windows ANSI code page).
QString decodeText(const QByteArray& bytes, int ansiCodePage);

// "Q1.txt" -> "Q1"; only a trailing ".txt" goes.
QString reportNameFromFileName(const QString& fileName);

// A report name becomes a file name in the cube's folder: refuse what could leave that
// folder or that the file system cannot store. Empty result: the name is safe.
QString unsafeReportNameReason(const QString& name);

}

}
