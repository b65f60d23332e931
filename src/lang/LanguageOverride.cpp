#include "lang/LanguageOverride.h"

#include "lang/modRegistryEntry.h"

namespace lang {

QString readLanguageOverride()
{
    return modRegistryEntry::fncReadRegistryEntry(QStringLiteral("LanguageOnly4Test"), QStringLiteral("0"));
}

}
