#pragma once

// The Windows ANSI code page of each language column of the phrase table: what a Windows
// system set up for that language would report, and so the code page that 8-bit text
// files written by its users are in.
namespace lang {

// Columns 1 to 16 (cs da nl en fi fr de el it no pt sl es sv tr ru); 1252 for any other
// number, the layout test included.
int ansiCodePageOfColumn(int column);

// The ANSI code page of the user's language, from the system locale; 1252 for languages
// without a column.
int GetACP();

}
