#pragma once

#include <QString>

// The translated texts (the pivot table's and chart's own labels, the program's messages
// that the phrase table does not hold, Qt's standard dialog buttons and the print and file
// dialogs) follow the language column that the phrase table is read in, so that one language
// is on screen.
namespace lang {

// The language code of a column of the phrase table (1 Czech ... 16 Russian); "" for any other.
QString languageCode(int column);

// True when the Qt version in use brings no translation of its standard buttons and dialogs for
// the column, so that the program's own one is used.
bool usesOwnQtTexts(int column);

// Puts the translations of the column in place of those an earlier call installed: the
// program's own, and Qt's for its standard buttons and dialogs (the program's own where Qt has
// none). The
// layout test (100) shows, for every text, the longest of its translations. English, an
// unknown column and a run without an application instance install nothing.
void installTranslations(qint16 language);

}
