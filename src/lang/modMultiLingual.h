#pragma once

#include "lang/LanguageState.h"

#include <QString>
#include <QStringList>

// The texts of the chosen language, one variable per phrase key, named as the key: members of
// lang::languageState. They are empty until LoadLanguages has run, and again after a fresh run.
namespace modMultiLingual {

#define MODMULTILINGUAL_DECLARE(key) inline QString& key = lang::languageState.key;
MODMULTILINGUAL_PHRASE_KEYS(MODMULTILINGUAL_DECLARE)
#undef MODMULTILINGUAL_DECLARE

// Reads the phrase table in the given language (a column 1 to 16, or 100 for the layout
// test) and copies each key's phrase into its variable, in the order of the keys. A key
// the table lacks stops the copy there and makes the error call. The translated texts then follow
// the same column (lang::installTranslations).
void LoadLanguages(qint16 language);

// The phrase keys in the order LoadLanguages fills their variables.
const QStringList& phraseKeys();

}
