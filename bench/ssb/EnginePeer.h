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

private:
    std::unique_ptr<olap::CubeSource> m_cube;
    double m_openSeconds = 0;
    double m_residentBeforeOpen = 0;
    double m_residentAfterOpen = 0;
};

// The cells of a cell set without totals, keyed as the SQL peers key their groups: the
// key of each row field's member, then each column field's, joined by "|".
ResultMap groupsOf(const olap::CellSet& cells);

// Bytes from /proc/self/status ("VmRSS", "VmHWM").
double processMemory(const char* field);

}
