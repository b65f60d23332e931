#include "lang/LanguageOverride.h"

#include "platform/RegistryStore.h"

namespace lang {

QString readLanguageOverride()
{
    return platform::RegistryStore::current()
        .value(platform::Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("LanguageOnly4Test"))
        .value_or(QStringLiteral("0"));
}

}
