// The settings (the registry store's INI files), as a user may edit them by hand: any file
// loads without harm, the values the program reads come out as texts, and a value the
// program writes reads back the same after a restart.

#include "FuzzSupport.h"

#include "lang/LanguageOverride.h"
#include "lang/modGenericLanguages.h"
#include "platform/RegistryStore.h"
#include "platform/Services.h"
#include "platform/VbError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopedValueRollback>
#include <QSettings>
#include <algorithm>

// The store writes through a file that is flushed to disk before it replaces the old one.
// Durability is not what is fuzzed here, and a flush per input would hold the harness to a
// few hundred inputs a second: these stand in for the C library's, for this binary alone.
extern "C" int fsync(int)
{
    return 0;
}
extern "C" int fdatasync(int)
{
    return 0;
}

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
    // The settings layer caches each file it has read by path, size and modification time
    // to the millisecond, and the file system's clock may not move for several of them:
    // a file of the same size written again within that time would be taken for the one
    // before. A user's hand edit and a restart are never that close to the program's own
    // write, so every file here is given a time of its own.
    const QString folder = fuzz::scratchFolder() + QStringLiteral("/settings");
    QDir(folder).removeRecursively();
    const auto stamp = [](const QString& path) {
        static qint64 files = 0;
        QFile file(path);
        const bool stamped = file.open(QIODevice::ReadOnly)
            && file.setFileTime(QDateTime::fromMSecsSinceEpoch(++files), QFileDevice::FileModificationTime);
        FUZZ_CHECK(stamped, path);
    };
    QDir().mkpath(folder);
    const QString handEdited = folder + (classesRoot ? QStringLiteral("/HKCR.ini") : QStringLiteral("/HKCU.ini"));
    {
        QFile file(handEdited);
        file.open(QIODevice::WriteOnly);
        file.write(input.rest());
    }
    stamp(handEdited);

    // Entries that QSettings lists by a name it reads back as another (keys with an empty segment):
    // the store reads no value from them, and its writes leave in the file those that
    // QSettings itself keeps when it writes the file again (it cannot keep a key that holds a
    // NUL or bytes that are no UTF-8, whoever writes).
    const auto collapsed = [](const QString& entry) {
        return entry.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
    };
    const auto listedIn = [&](const QStringList& keys, const QString& entry) {
        return keys.contains(entry) || keys.contains(collapsed(entry));
    };
    QStringList unreadable;
    QStringList readable;
    if (!classesRoot) {
        const QString again = folder + QStringLiteral("/again.ini");
        QFile::copy(handEdited, again);
        stamp(again);
        {
            QSettings ini(again, QSettings::IniFormat);
            for (const QString& entry : ini.allKeys()) {
                if (entry == collapsed(entry))
                    readable << entry.toLower();
                else if (ini.status() == QSettings::NoError)
                    unreadable << entry;
            }
            ini.setValue(QStringLiteral("again/written"), 1);
        }
        stamp(again);
        const QStringList keptByQSettings = QSettings(again, QSettings::IniFormat).allKeys();
        unreadable.removeIf([&](const QString& entry) { return !listedIn(keptByQSettings, entry); });
    }

    platform::RegistryStore store(folder);
    for (const QString& entry : unreadable) {
        const qsizetype slash = entry.lastIndexOf(QLatin1Char('/'));
        const QString listedPath = entry.left(std::max<qsizetype>(slash, 0));
        const QString path = collapsed(listedPath);
        const QString name = entry.mid(slash + 1);
        // A line the store reads holds that value under the same name ("@" is the default value).
        const QString sameValue =
            (path.isEmpty() ? QString() : path + QLatin1Char('/')) + (name.isEmpty() ? QStringLiteral("@") : name);
        if (readable.contains(sameValue.toLower()))
            continue;
        const auto read = store.value(platform::Hive::CurrentUser, listedPath, name);
        FUZZ_CHECK(!read, entry + QStringLiteral(" read as \"") + read.value_or(QString()) + QLatin1Char('"'));
    }
    const QScopedValueRollback<platform::RegistryStore*> installed(platform::services().registry, &store);
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
        stamp(folder + QStringLiteral("/HKCU.ini"));
        const platform::RegistryStore reread(folder);
        const auto back = reread.value(platform::Hive::CurrentUser, key, QStringLiteral("Value"));
        FUZZ_CHECK(back == written,
                   QStringLiteral("\"%1\" read back as \"%2\"").arg(written, back.value_or(QStringLiteral("(none)"))));
        const QStringList kept = QSettings(folder + QStringLiteral("/HKCU.ini"), QSettings::IniFormat).allKeys();
        for (const QString& entry : unreadable)
            FUZZ_CHECK(listedIn(kept, entry), entry + QStringLiteral(" was lost"));
    }
    return 0;
}
