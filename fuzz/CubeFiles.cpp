#include "CubeFiles.h"

#include "FuzzSupport.h"

#include "olap/AnswerLimits.h"
#include "olap/Connection.h"
#include "platform/RegistryStore.h"
#include "platform/Services.h"
#include "platform/VbError.h"

namespace fuzz {

void prepareCubeReading()
{
    startQt();
    static platform::RegistryStore registry(scratchFolder() + QStringLiteral("/registry"));
    platform::services().registry = &registry;
    static const olap::InstalledAnswerLimits limits({.cubeFile = std::chrono::milliseconds(500)});
}

void openAndReadAll(const QString& path)
{
    std::unique_ptr<olap::CubeSource> cube;
    try {
        olap::Connection connection;
        connection.Open(QStringLiteral("Provider=MSOLAP.4;data source=") + path);
        cube = connection.openCube(QString());
    } catch (const platform::VbError& e) {
        FUZZ_CHECK(e.number() == platform::err::Unspecified, e.description());
        FUZZ_CHECK(e.description().contains(path), e.description());
        return;
    }
    try {
        olap::PivotQuery q;
        for (const olap::Hierarchy& h : cube->schema().hierarchies) {
            olap::AxisField f;
            f.hierarchy = h.name;
            f.level = int(h.levels.size()) - 1;
            q.rows.fields.append(f);
            cube->members(h.name, 0);
        }
        for (const olap::Measure& m : cube->schema().measures)
            q.measures << m.name;
        cube->query(q);
    } catch (const platform::VbError&) {
    }
}

}
