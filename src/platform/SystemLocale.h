#pragma once

#include <QString>

namespace platform {

// The system's default locale as a Windows-style locale identifier (LCID), from the
// POSIX locale settings: LC_ALL, else LC_MESSAGES, else LANG. Locales without an
// identifier of their own here, and "C"/"POSIX", give 1033 (English, United States).
int GetSystemDefaultLCID();

// "de_AT.UTF-8@euro" -> 3079; the language and territory decide.
int lcidOfLocaleName(const QString& localeName);

}
