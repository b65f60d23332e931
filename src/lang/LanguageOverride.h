#pragma once

#include <QString>

namespace lang {

// The text of the registry value "LanguageOnly4Test" under HKEY_CURRENT_USER
// "Software\Zelbrin", or "0" when the key or the value is missing. The one place where the
// language layer reads the registry.
QString readLanguageOverride();

}
