// The settings (the registry store's INI files), as a user may edit them by hand: any file
// loads without harm, the values the program reads come out as texts, and a value the
// program writes reads back the same after a restart.

#include "FuzzSupport.h"

#include "lang/LanguageOverride.h"
#include "lang/modGenericLanguages.h"
#include "platform/RegistryStore.h"
#include "platform/VbError.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const bool classesRoot = input.byte() & 1;
    const QString written = input.text();
    const QString folder = fuzz::scratchFolder() + QStringLiteral("/settings");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    {
        QFile file(folder + (classesRoot ? QStringLiteral("/HKCR.ini") : QStringLiteral("/HKCU.ini")));
        file.open(QIODevice::WriteOnly);
        file.write(input.rest());
    }

    platform::RegistryStore store(folder);
    platform::RegistryStore::setCurrent(&store);
    store.keyExists(platform::Hive::ClassesRoot, QStringLiteral("MSOLAP.4"));
    store.value(platform::Hive::ClassesRoot, QStringLiteral("http\\shell\\open\\command"));
    try {
        modGenericLanguages::fncGetlocalLanguage([] { return 1031; }, lang::readLanguageOverride);
    } catch (const platform::VbError&) {
    }

    // What the program writes it reads back, whatever the file held before.
    if (written.isValidUtf16()) {
        const QString key = QStringLiteral("Software\\Zelbrin\\Fuzz");
        store.setValue(platform::Hive::CurrentUser, key, QStringLiteral("Value"), written);
        const platform::RegistryStore reread(folder);
        const auto back = reread.value(platform::Hive::CurrentUser, key, QStringLiteral("Value"));
        FUZZ_CHECK(back == written, QStringLiteral("\"%1\" read back as \"%2\"").arg(written, back.value_or(QStringLiteral("(none)"))));
    }
    platform::RegistryStore::setCurrent(nullptr);
    return 0;
}
