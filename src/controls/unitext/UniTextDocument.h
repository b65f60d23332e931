#pragma once

#include <QString>
#include <QStringView>

class QTextCursor;
class QTextDocument;

// The one place that knows how the box's text sits in a QTextDocument.
//
// The box counts as its callers do: UTF-16 units, and a line break is CR LF, two units.
// The document holds one block per line, and a block boundary is one position. Only CR LF
// breaks a line; a lone CR or LF (and the characters the document would itself take for a
// break: U+2028, U+2029, U+FDD0, U+FDD1) stays a character: it is held as a private-use
// character carrying an escape mark in its format, so that the text reads back exactly as
// it was given, and a real private-use character, having no mark, is left alone.
//
// Example: "a\r\nbc\rd" is the blocks "a" and "bc<CR>d"; units 0..7, positions 0..6;
// unit 3 ("b") is position 2, and unit 2 (between CR and LF) is position 1, the end of "a".
namespace unitext::document {

// The whole text, lines joined by CR LF.
QString text(const QTextDocument& document);

// The text between two document positions.
QString text(const QTextDocument& document, int from, int to);

// Inserts at the cursor, replacing its selection: CR LF becomes a block break, every other
// character is kept as it is.
void insert(QTextCursor& cursor, QStringView text);

// Line breaks as a user means them: CR LF, a lone LF and a lone CR each become CR LF. For
// pasted and dropped text, which comes from programs that end lines in any of the three.
QString withUserLineBreaks(QStringView text);

// Positions and units, both ways. A unit inside a CR LF maps to the end of its line.
int toUnits(const QTextDocument& document, int position);
int toPosition(const QTextDocument& document, int units);

// The length in units.
int length(const QTextDocument& document);

}
