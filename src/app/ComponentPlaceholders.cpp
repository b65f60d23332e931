#include "app/ComponentPlaceholders.h"

#include "platform/ComponentRegistry.h"

namespace startup {

void registerComponentPlaceholders()
{
    auto& registry = platform::ComponentRegistry::instance();
    for (const char* progId : {"OWC11.ChartSpace", "OWC10.ChartSpace", "OWC.Chart"}) {
        const QString name = QString::fromLatin1(progId);
        if (!registry.hasFactory(name))
            registry.registerFactory(name, [] { return std::make_unique<QObject>(); });
    }
}

}
