#pragma once

#include <QString>

namespace lang {

// The system's default locale as a locale identifier of the platform the language table
// was made for (1031 German, 1046 Brazilian Portuguese, ...). Only the pairs of language
// and territory that the language choice tells apart are known; every other locale, and
// "C" or "POSIX", gives 1033 (English, United States).
int lcidOfPosixLocale(const QString& localeName);

// The locale of the process as POSIX chooses it for messages: LC_ALL, else LC_MESSAGES,
// else LANG (the first that is set and not empty), mapped by lcidOfPosixLocale.
int posixSystemLcid();

}
