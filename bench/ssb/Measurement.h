#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ssb {

// A query's answer: the measure by its cell, the group columns' values joined by "|".
using ResultMap = std::map<std::string, double>;

// The key a group column has in a total (its NULL in a ROLLUP or CUBE; the benchmark's own
// keys are never NULL).
inline const std::string kTotalKey = "*";

struct Measured
{
    std::vector<double> seconds;
    ResultMap result;            // the first run's answer
    std::string changedAnswer;   // how a later run's answer differed from the first, if one did
    bool skipped = false;        // the contender cannot answer this query
    double median() const;
};

// One database's way to answer the query at hand, setting the time it took; empty for a
// database that cannot answer it.
using TimedRun = std::function<ResultMap(double& seconds)>;

enum class Turns {
    Blocks,       // each contender runs the query `runs` times back to back (warm caches)
    RoundRobin,   // each round, every contender runs it once: load drift touches all alike
};

// Runs every contender once to warm its caches, then `runs` times in the given turns,
// comparing every run's answer with the warm-up run's.
std::vector<Measured> measureInTurns(const std::vector<TimedRun>& contenders, int runs, Turns turns);

// Times `query` with the steady clock.
ResultMap timed(const std::function<ResultMap()>& query, double& seconds);

// Empty when both answers hold the same groups with the same values (to a relative 1e-9),
// else a short description of the first difference.
std::optional<std::string> difference(const ResultMap& expected, const ResultMap& actual);

}
