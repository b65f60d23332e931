#pragma once

#include "olap/CubeData.h"

#include <future>
#include <thread>

namespace olap {

// A cube file read into memory on a thread of its own. Everything that opens the same
// unchanged file during the run shares one load, so the file is read once and opening it
// again costs nothing; a file changed on disk since is read afresh.
class CubeFileLoad
{
public:
    // The load of `path`, started on first use. The file's marks and metadata are checked
    // before this returns: it throws platform::VbError as readCubeFile does.
    static std::shared_ptr<CubeFileLoad> of(const QString& path);
    ~CubeFileLoad();   // waits for the read to end

    const CubeDefinition& definition() const { return m_definition; }
    // Waits for the read to end; throws its failure.
    std::shared_ptr<const CubeData> data() const { return m_data.get(); }
    bool finished() const { return m_data.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }
    const ReadProgress& progress() const { return m_progress; }

private:
    CubeFileLoad(const QString& path, CubeDefinition definition);
    bool failed() const;

    CubeDefinition m_definition;
    ReadProgress m_progress;
    std::shared_future<std::shared_ptr<const CubeData>> m_data;
    std::thread m_reader;
};

}
