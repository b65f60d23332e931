#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace platform {

enum class Hive { CurrentUser, ClassesRoot };

// The registry as this program sees it: one INI file per hive in a folder of the user's
// configuration, over built-in defaults (the class registrations of our own components
// and the desktop's URL opener). Key paths use "\" as on the platform the program came
// from and are compared without regard to case; an empty value name is the key's default.
// The store in use is one of the platform services (platform::services().registry).
class RegistryStore
{
public:
    explicit RegistryStore(QString folder);

    bool keyExists(Hive hive, const QString& keyPath) const;
    std::optional<QString> value(Hive hive, const QString& keyPath, const QString& valueName = {}) const;
    void setValue(Hive hive, const QString& keyPath, const QString& valueName, const QString& data);
    // Removes a key and its values; a built-in key stays removed for this user.
    void removeKey(Hive hive, const QString& keyPath);

    const QString& folder() const { return m_folder; }

private:
    struct Key
    {
        QHash<QString, QString> values;   // lower-cased value name -> data
    };
    using Keys = QHash<QString, Key>;   // normalised key path -> key

    static Keys builtIn(Hive hive);
    static QString normalise(const QString& keyPath);
    QString fileOf(Hive hive) const;
    void load(Hive hive);
    void save(Hive hive) const;
    // Puts the hive into the INI file at `path`, over what a copy of the hive's file there holds.
    bool write(Hive hive, const QString& path, bool overCopy) const;
    Keys& keys(Hive hive) { return hive == Hive::CurrentUser ? m_currentUser : m_classesRoot; }
    const Keys& keys(Hive hive) const { return hive == Hive::CurrentUser ? m_currentUser : m_classesRoot; }

    QString m_folder;
    Keys m_currentUser;
    Keys m_classesRoot;
};

}
