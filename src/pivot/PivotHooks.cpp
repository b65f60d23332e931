#include "pivot/PivotHooks.h"

#include "platform/VbError.h"

#ifdef TESSALINE_PIVOT_HAS_OLAP
#include "olap/CubeProvider.h"
#endif

#include <QCoreApplication>

namespace pivot {

CubeOpener& cubeOpener()
{
#ifdef TESSALINE_PIVOT_HAS_OLAP
    static CubeOpener opener = &olap::openCube;
#else
    static CubeOpener opener = [](const QString&, const QString&) -> std::unique_ptr<olap::CubeSource> {
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("pivot", "No cube provider is available"));
    };
#endif
    return opener;
}

CubeLister& cubeLister()
{
#ifdef TESSALINE_PIVOT_HAS_OLAP
    static CubeLister lister = &olap::dataMemberStrings;
#else
    static CubeLister lister = [](const QString& connectionString) {
        const auto source = cubeOpener()(connectionString, QString());
        if (!source)
            platform::raiseError(platform::err::Unspecified,
                                 QCoreApplication::translate("pivot", "The data source holds no cube"));
        return QStringList{source->schema().name};
    };
#endif
    return lister;
}

GifWriter& gifWriter()
{
    static GifWriter writer;
    return writer;
}

}
