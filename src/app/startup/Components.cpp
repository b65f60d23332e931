#include "app/startup/Components.h"

#include "chart/ChartSpace.h"
#include "pivot/PivotTable.h"
#include "platform/ComponentRegistry.h"

namespace startup {

namespace {

template<class Component, class Version>
void add(platform::ComponentRegistry& registry, const char* progId, Version version)
{
    registry.registerFactory(QString::fromLatin1(progId), [version] { return std::make_unique<Component>(version); });
}

}

void registerComponents(platform::ComponentRegistry& registry)
{
    add<pivot::PivotTable>(registry, "OWC11.PivotTable", pivot::Version::V11);
    add<pivot::PivotTable>(registry, "OWC10.PivotTable", pivot::Version::V10);
    add<pivot::PivotTable>(registry, "OWC.PivotTable", pivot::Version::V9);
    add<chart::ChartSpace>(registry, "OWC11.ChartSpace", chart::ComponentVersion::V11);
    add<chart::ChartSpace>(registry, "OWC10.ChartSpace", chart::ComponentVersion::V10);
    add<chart::ChartSpace>(registry, "OWC.Chart", chart::ComponentVersion::V9);
    // The XML parser is the toolkit's own and always there; only its class registration can
    // be missing.
    registry.registerFactory(QStringLiteral("Msxml2.DOMDocument.6.0"), [] { return std::make_unique<QObject>(); });
}

}
