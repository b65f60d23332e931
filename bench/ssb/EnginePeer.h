#pragma once

#include "Measurement.h"

#include "olap/CubeSource.h"

namespace ssb {

// Our engine, with the cube opened through the provider as the program opens it
// ("Provider=MSOLAP;Data Source=..." naming a cube file or a server).
class EnginePeer
{
public:
    explicit EnginePeer(const QString& connectionString);

    double openSeconds() const { return m_openSeconds; }
    double residentBeforeOpen() const { return m_residentBeforeOpen; }   // bytes
    double residentAfterOpen() const { return m_residentAfterOpen; }

    ResultMap run(const olap::PivotQuery& query, double& seconds);
    // The query's cell set alone, for the memory it takes.
    void answer(const olap::PivotQuery& query);

private:
    std::unique_ptr<olap::CubeSource> m_cube;
    double m_openSeconds = 0;
    double m_residentBeforeOpen = 0;
    double m_residentAfterOpen = 0;
};

// Every cell of the query's cell set, keyed as the SQL peers key their rows: each row field's
// keys, then each column field's, joined by "|". Without totals a field has its member's own
// key, as the published SQL groups by the deepest level only. With totals the SQL lists every
// level of each field, top first, NULL where a total stands (ROLLUP, CUBE): a field has the keys
// of its member's path down to the field's level, kTotalKey below the member.
ResultMap cellsOf(const olap::CellSet& cells, const olap::PivotQuery& query);

// Bytes from /proc/self/status ("VmRSS", "VmHWM").
double processMemory(const char* field);
// Starts the process's peak memory (VmHWM) afresh from what it holds now.
void resetPeakMemory();

}
