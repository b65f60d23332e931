#include "olap/CubeFileLoad.h"

#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

namespace olap {

CubeFileLoad::CubeFileLoad(const QString& path, CubeDefinition definition) : m_definition(std::move(definition))
{
    std::promise<std::shared_ptr<const CubeData>> promise;
    m_data = promise.get_future().share();
    auto shared = std::make_shared<std::promise<std::shared_ptr<const CubeData>>>(std::move(promise));
    platform::Result<std::thread> reader = startThread([this, path, shared] {
        try {
            shared->set_value(readCubeFile(path, &m_progress));
        } catch (...) {
            shared->set_exception(std::current_exception());
        }
    });
    if (!reader)
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("olap", "The cube file \"%1\" cannot be used: %2")
                                 .arg(path, reader.failure().text()),
                             QStringLiteral("CubeFile"));
    m_reader = std::move(reader).value();
}

CubeFileLoad::~CubeFileLoad()
{
    m_reader.join();
}

bool CubeFileLoad::failed() const
{
    if (!finished())
        return false;
    try {
        m_data.get();
        return false;
    } catch (...) {
        return true;
    }
}

std::shared_ptr<CubeFileLoad> CubeFileLoad::of(const QString& path)
{
    struct Entry
    {
        std::shared_ptr<CubeFileLoad> load;
        QDateTime modified;
        qint64 size = 0;
    };
    static QMutex mutex;
    static QHash<QString, Entry> entries;   // kept for the run: a cube is read once
    const QFileInfo info(path);
    const QString key = info.canonicalFilePath();
    const QMutexLocker lock(&mutex);
    const auto it = entries.constFind(key);
    if (it != entries.constEnd() && it->modified == info.lastModified() && it->size == info.size()
        && !it->load->failed())
        return it->load;
    std::shared_ptr<CubeFileLoad> load(new CubeFileLoad(path, inspectCubeDefinition(path)));
    if (!key.isEmpty())
        entries.insert(key, {load, info.lastModified(), info.size()});
    return load;
}

}
