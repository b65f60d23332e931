#include "platform/RegistryStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>

namespace platform {

namespace {

// What a fresh user's HKEY_CLASSES_ROOT holds: our components under the class names the
// program probes, the OLAP provider, and the desktop's opener for web addresses.
const char* const kRegisteredClasses[] = {
    "OWC11.ChartSpace",
    "OWC11.PivotTable",
    "OWC10.ChartSpace",
    "OWC10.PivotTable",
    "OWC.Chart",
    "OWC.PivotTable",
    "MSOLAP",
    "MSOLAP.3",
    "MSOLAP.4",
    "ADODB.Connection",
    "ADOMD.Catalog",
    "Msxml2.DOMDocument.6.0",
    "Scripting.FileSystemObject",
    "Scripting.Dictionary",
    "Shell.Application",
    "Outlook.Application",
};

const char kRemovedList[] = "Removed";   // built-in keys this user has removed
const char kDefaultValueName[] = "@";
const char kKeyMarker[] = "__key";   // records a key that has no values

// The INI reader decodes the stretches of a value between its escapes as UTF-8 streams of
// their own, and so drops a byte-order mark that begins one (the value's first character,
// or the first after an escaped control character). A value holding the mark is written as
// bytes, which are decoded here with every mark kept; every other value is written as text,
// as a user would write it by hand.
QVariant storedForm(const QString& text)
{
    if (text.contains(QChar(QChar::ByteOrderMark)))
        return text.toUtf8();
    return text;
}

QString textOf(const QVariant& stored)
{
    if (stored.typeId() != QMetaType::QByteArray)
        return stored.toString();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8(stored.toByteArray());
}

// QSettings lists a key with an empty segment in its path ("/y", "a//b": only a hand-edited
// file holds one) by a name that it reads and removes as another, the name without the empty
// segments ("" for "//", whose removal takes the whole file). Such an entry is none of ours.
bool isOwnEntry(const QString& entry)
{
    return !entry.isEmpty() && !entry.split(QLatin1Char('/')).contains(QString());
}

// QSettings keeps what it read of a file by its name, size and time: a copy made to be
// written over takes the time of its original, so that it is never taken for the copy before.
bool copyOf(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to))
        return false;
    QFile copy(to);
    return copy.open(QIODevice::ReadWrite)
        && copy.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
}

}

RegistryStore::RegistryStore(QString folder) : m_folder(std::move(folder))
{
    m_classesRoot = builtIn(Hive::ClassesRoot);
    load(Hive::CurrentUser);
    load(Hive::ClassesRoot);
}

RegistryStore::Keys RegistryStore::builtIn(Hive hive)
{
    Keys keys;
    if (hive != Hive::ClassesRoot)
        return keys;
    for (const char* cls : kRegisteredClasses)
        keys.insert(normalise(QString::fromLatin1(cls)), Key{});
    Key opener;
    opener.values.insert(QString(), QStringLiteral("\"/usr/bin/xdg-open\" \"%1\""));
    keys.insert(normalise(QStringLiteral("http\\shell\\open\\command")), opener);
    return keys;
}

// A key path with an empty segment (a\\b) names the key without it: the INI file cannot
// hold an empty segment, and QSettings writes the path without it.
QString RegistryStore::normalise(const QString& keyPath)
{
    QString path = keyPath.toLower();
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

QString RegistryStore::fileOf(Hive hive) const
{
    return m_folder + (hive == Hive::CurrentUser ? QStringLiteral("/HKCU.ini") : QStringLiteral("/HKCR.ini"));
}

bool RegistryStore::keyExists(Hive hive, const QString& keyPath) const
{
    return keys(hive).contains(normalise(keyPath));
}

std::optional<QString> RegistryStore::value(Hive hive, const QString& keyPath, const QString& valueName) const
{
    const auto key = keys(hive).constFind(normalise(keyPath));
    if (key == keys(hive).cend())
        return std::nullopt;
    const auto it = key->values.constFind(valueName.toLower());
    if (it == key->values.cend())
        return std::nullopt;
    return *it;
}

void RegistryStore::setValue(Hive hive, const QString& keyPath, const QString& valueName, const QString& data)
{
    keys(hive)[normalise(keyPath)].values.insert(valueName.toLower(), data);
    save(hive);
}

void RegistryStore::removeKey(Hive hive, const QString& keyPath)
{
    const QString path = normalise(keyPath);
    Keys& all = keys(hive);
    for (auto it = all.begin(); it != all.end();) {
        if (it.key() == path || it.key().startsWith(path + QLatin1Char('\\')))
            it = all.erase(it);
        else
            ++it;
    }
    save(hive);
}

// The INI file holds the whole hive as the user has it: every value as "key/path/name"
// (a key's default value under the name "@", a key without values as "key/path/__key", the
// values of the root key by their names alone), and the list of built-in keys the user
// removed. A hand-edited line whose key has an empty segment (\y=, a\\b\c=) is no entry of
// ours: it is left out here and left in the file by save().
void RegistryStore::load(Hive hive)
{
    const QString file = fileOf(hive);
    if (!QFile::exists(file))
        return;
    QSettings ini(file, QSettings::IniFormat);
    Keys& all = keys(hive);
    const QStringList removed = ini.value(QString::fromLatin1(kRemovedList)).toStringList();
    for (const QString& path : removed) {
        if (!normalise(path).isEmpty())
            all.remove(normalise(path));
    }
    for (const QString& entry : ini.allKeys()) {
        if (!isOwnEntry(entry) || entry == QLatin1String(kRemovedList))
            continue;
        const qsizetype slash = entry.lastIndexOf(QLatin1Char('/'));
        Key& key = all[normalise(entry.left(std::max<qsizetype>(slash, 0)))];
        const QString name = entry.mid(slash + 1);
        if (name == QLatin1String(kKeyMarker))
            continue;
        const QString valueName = name == QLatin1String(kDefaultValueName) ? QString() : name;
        key.values.insert(valueName.toLower(), textOf(ini.value(entry)));
    }
}

void RegistryStore::save(Hive hive) const
{
    QDir().mkpath(m_folder);
    const QString file = fileOf(hive);
    const QString temp = file + QStringLiteral(".new");
    QFile::remove(temp);
    // Written over a copy of the file, so that the lines load() left out stay as they were; a
    // file that QSettings cannot read whole is written afresh from what was read of it.
    bool written = QFile::exists(file) && copyOf(file, temp) && write(hive, temp, true);
    if (!written) {
        QFile::remove(temp);
        written = write(hive, temp, false);
    }
    // A hive that could not be written whole leaves the file it replaces as it was.
    if (!written) {
        QFile::remove(temp);
        return;
    }
    std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(file).constData());
}

bool RegistryStore::write(Hive hive, const QString& path, bool overCopy) const
{
    QSettings ini(path, QSettings::IniFormat);
    if (overCopy && ini.status() != QSettings::NoError)
        return false;
    // Our entries keep the spellings the file gives them. Removing an entry takes everything
    // below it along (lines left out by load() included), so only what is no longer in the
    // hive is removed.
    QMultiHash<QString, QString> spelling;
    const QStringList present = ini.allKeys();
    for (const QString& entry : present) {
        if (isOwnEntry(entry))
            spelling.insert(entry.toLower(), entry);
    }
    QHash<QString, QVariant> entries;
    const auto add = [&](const QString& name, const QVariant& value) {
        const QStringList spelt = spelling.values(name);
        for (const QString& entry : spelt.isEmpty() ? QStringList{name} : spelt)
            entries.insert(entry, value);
    };
    for (auto it = keys(hive).cbegin(); it != keys(hive).cend(); ++it) {
        const QString prefix = it.key().isEmpty()
            ? QString()
            : QString(it.key()).replace(QLatin1Char('\\'), QLatin1Char('/')) + QLatin1Char('/');
        add(prefix + QLatin1String(kKeyMarker), QString());
        for (auto v = it->values.cbegin(); v != it->values.cend(); ++v)
            add(prefix + (v.key().isEmpty() ? QString::fromLatin1(kDefaultValueName) : v.key()), storedForm(v.value()));
    }
    const Keys defaults = builtIn(hive);
    QStringList removed;
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        if (!keys(hive).contains(it.key()))
            removed << it.key();
    }
    if (!removed.isEmpty() || ini.contains(QString::fromLatin1(kRemovedList)))
        entries.insert(QString::fromLatin1(kRemovedList), removed.isEmpty() ? QVariant(QString()) : QVariant(removed));
    for (const QString& entry : present) {
        if (isOwnEntry(entry) && !entries.contains(entry))
            ini.remove(entry);
    }
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        ini.setValue(it.key(), it.value());
    ini.sync();
    return ini.status() == QSettings::NoError;
}

}
