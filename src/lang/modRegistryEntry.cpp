#include "lang/modRegistryEntry.h"

#include "platform/RegistryStore.h"
#include "platform/Services.h"
#include "platform/VbError.h"

namespace modRegistryEntry {

QString fncReadRegistryEntry(const QString& name, const QString& defaultValue)
{
    constexpr long KeyMayNotBeEmpty = -2147220502;
    if (name.trimmed().isEmpty())
        platform::raiseError(KeyMayNotBeEmpty, QStringLiteral("Key may not be empty"));
    const QString key = QStringLiteral("Software\\Zelbrin");
    const auto& store = *platform::services().registry;
    if (!store.keyExists(platform::Hive::CurrentUser, key))
        return defaultValue;
    return store.value(platform::Hive::CurrentUser, key, name).value_or(defaultValue);
}

}
