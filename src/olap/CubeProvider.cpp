#include "olap/CubeProvider.h"

#include "olap/ConnectionString.h"
#include "olap/MemoryCube.h"

#include "platform/VbError.h"

namespace olap {

std::unique_ptr<CubeSource> openCube(const QString& connectionString, const QString& dataMember)
{
    const ConnectionString cs = ConnectionString::parse(connectionString);
    ProviderName::resolve(cs.value(QStringLiteral("Provider"), QString()));
    const DataSource source = DataSource::fromConnectionString(cs);
    if (source.kind == DataSource::Kind::CubeFile) {
        auto data = readCubeFile(source.cubeFile);
        if (!dataMember.isEmpty() && dataMember != data->definition.schema.name)
            platform::raiseError(platform::err::Unspecified,
                                 QStringLiteral("The cube file \"%1\" holds no cube \"%2\".").arg(source.cubeFile, dataMember),
                                 QStringLiteral("openCube"));
        return std::make_unique<MemoryCube>(std::move(data));
    }
    platform::raiseError(platform::err::Unspecified, QStringLiteral("not yet"), QStringLiteral("openCube"));
}

}
