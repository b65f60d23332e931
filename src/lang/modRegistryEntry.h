#pragma once

#include <QString>

namespace modRegistryEntry {

// A text value under HKEY_CURRENT_USER "Software\Zelbrin", or defaultValue when the key
// or the value is missing. Raises -2147220502 "Key may not be empty" for a blank name.
QString fncReadRegistryEntry(const QString& name, const QString& defaultValue);

}
