#include "platform/ComponentRegistry.h"

#include "platform/MailClient.h"
#include "platform/RegistryStore.h"
#include "platform/Services.h"
#include "platform/VbError.h"

namespace platform {

ComponentRegistry ComponentRegistry::builtIn()
{
    ComponentRegistry registry;
    // The mail application stands in for the automation class the error mail asks for.
    registry.registerFactory(QStringLiteral("Outlook.Application"), [] { return std::make_unique<MailApplication>(); });
    return registry;
}

ComponentRegistry& ComponentRegistry::instance()
{
    static ComponentRegistry registry = builtIn();
    return registry;
}

void ComponentRegistry::registerFactory(const QString& progId, Factory factory)
{
    m_factories.insert(progId.toLower(), std::move(factory));
}

void ComponentRegistry::unregisterFactory(const QString& progId)
{
    m_factories.remove(progId.toLower());
}

std::unique_ptr<QObject> ComponentRegistry::createObject(const QString& progId) const
{
    const auto factory = m_factories.constFind(progId.toLower());
    if (!services().registry->keyExists(Hive::ClassesRoot, progId) || factory == m_factories.cend() || !*factory)
        raiseError(err::ComponentCannotCreate, QStringLiteral("ActiveX component can't create object"), progId);
    std::unique_ptr<QObject> object = (*factory)();
    if (!object)
        raiseError(err::ComponentCannotCreate, QStringLiteral("ActiveX component can't create object"), progId);
    return object;
}

}
