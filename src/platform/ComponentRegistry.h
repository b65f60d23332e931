#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace platform {

// Creates the program's own components by their class names (ProgIDs), as long as the
// class registrations (HKEY_CLASSES_ROOT of the registry store) register them. Each
// component registers its factory once at start.
class ComponentRegistry
{
public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    // The registry in use; the program installs its own at start (copy assignment).
    static ComponentRegistry& instance();
    // The classes the platform itself provides, and nothing else.
    static ComponentRegistry builtIn();

    void registerFactory(const QString& progId, Factory factory);
    void unregisterFactory(const QString& progId);

    // Raises error 429 when the class is not registered or has no implementation.
    std::unique_ptr<QObject> createObject(const QString& progId) const;

private:
    QHash<QString, Factory> m_factories;   // lower-cased ProgID -> factory
};

}
