#pragma once

#include "DataSetWriter.h"
#include "Measurement.h"

#include <QProcess>

class QJsonObject;

namespace ssb {

// DuckDB in a node process (the npm package ships DuckDB itself), loaded with the data
// set's ".tbl" files into an in-memory database, answering one query at a time.
// Throws std::runtime_error when node or the package fails.
class DuckDbPeer
{
public:
    DuckDbPeer(const std::string& script, const DataSet& dataSet);
    ~DuckDbPeer();
    DuckDbPeer(const DuckDbPeer&) = delete;
    DuckDbPeer& operator=(const DuckDbPeer&) = delete;

    const std::string& version() const { return m_version; }
    double loadSeconds() const { return m_loadSeconds; }
    double peakMemoryBytes();

    // The time is DuckDB's own, taken in the node process.
    ResultMap run(const std::string& sql, double& seconds);

private:
    QJsonObject ask(const QByteArray& request);
    QJsonObject readAnswer();

    QProcess m_node;
    std::string m_version;
    double m_loadSeconds = 0;
};

}
