#pragma once

#include "lang/LanguageOverride.h"
#include "lang/PhraseCollection.h"
#include "platform/SystemLocale.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

class QWidget;

// The phrase table and the choice of its language column.
namespace modGenericLanguages {

constexpr qint16 kLayoutTest = 100;   // every phrase shows its longest translation
constexpr int kEnglishColumn = 4;     // complete, and the fallback for every empty text

// The language column (1 to 15) or kLayoutTest: the registry override when it names a
// column or the layout test, else the column of the system's default locale.
qint16 fncGetlocalLanguage(const std::function<int()>& systemLcid = platform::GetSystemDefaultLCID,
                           const std::function<QString()>& readOverride = lang::readLanguageOverride);

// The language column of a system locale identifier; English for every locale not listed.
int columnOfLcid(int lcid);

// Fills colPhrases from the phrase table in the given column (kLayoutTest: the longest
// texts). blnConvert widens the table's bytes from the system's code page first. A
// malformed table shows the failing line and makes the error call.
void subReadPhrases(qint16 language, bool blnConvert);
void subReadTestPhrases(bool blnConvert);

// The first longest of the texts, the key (index 0) left out; "" when all are empty.
QString GetLongestPhrase(const QStringList& fields);

// The text without its apostrophes (U+0027); typographic quotation marks stay.
QString fncValidateString(const QString& text);

// Puts the phrases on the window's controls whose design-time caption or tooltip is a
// phrase key. Text boxes, combo boxes, list boxes, images, lines and picture boxes keep
// their texts; anything that is no phrase key is left as it is.
void subTranslateControls(QWidget* window);

// The phrases read last, keyed by their key (lang::languageState); empty after a fresh run.
PhraseCollection& colPhrases();

// The phrase table the program carries, or the bytes installed in its place
// (lang::LanguageServices::phraseTable).
QByteArray phraseTableBytes();

}
