#pragma once

#include "Measurement.h"
#include "SsbQueries.h"

namespace ssb {

struct EngineRun
{
    double openSeconds = 0;
    double residentBeforeOpen = 0;   // bytes
    double residentAfterOpen = 0;
    double peakMemoryBytes = 0;      // the process's high-water mark after the queries
    std::vector<Measured> queries;
};

// Opens the cube through the provider, as the program does ("Provider=MSOLAP;Data Source=..."
// naming a cube file or a server), and times each pivot query `runs` times. For a cube file,
// run it before anything else in the process so that the memory high-water mark is the engine's.
EngineRun runEngine(const QString& connectionString, const std::vector<SsbQuery>& queries, int runs);

// The cells of a cell set without totals, keyed as the SQL peers key their groups: the
// key of each row field's member, then each column field's, joined by "|".
ResultMap groupsOf(const olap::CellSet& cells);

// Bytes from /proc/self/status ("VmRSS", "VmHWM").
double processMemory(const char* field);

}
