#include "app/startup/Components.h"

#include "chart/ChartDataSource.h"   // ChartSpace.h needs it whole
#include "chart/ChartSpace.h"
#include "chart/GifWriter.h"
#include "pivot/PivotHooks.h"
#include "pivot/PivotTable.h"
#include "platform/ComponentRegistry.h"

namespace startup {

namespace {

void registerPivot(const char* progId, pivot::Version version)
{
    platform::ComponentRegistry::instance().registerFactory(
        QString::fromLatin1(progId), [version] { return std::make_unique<pivot::PivotTable>(version); });
}

void registerChart(const char* progId, chart::ComponentVersion version)
{
    platform::ComponentRegistry::instance().registerFactory(
        QString::fromLatin1(progId), [version] { return std::make_unique<chart::ChartSpace>(version); });
}

}

void registerComponents()
{
    registerPivot("OWC11.PivotTable", pivot::Version::V11);
    registerPivot("OWC10.PivotTable", pivot::Version::V10);
    registerPivot("OWC.PivotTable", pivot::Version::V9);
    registerChart("OWC11.ChartSpace", chart::ComponentVersion::V11);
    registerChart("OWC10.ChartSpace", chart::ComponentVersion::V10);
    registerChart("OWC.Chart", chart::ComponentVersion::V9);
    // The pivot table writes its pictures with the chart layer's GIF encoder.
    pivot::gifWriter() = [](const QImage& picture, const QString& path) { chart::writeGif(picture, path); };
}

}
