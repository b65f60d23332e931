#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ssb {

// A query's answer: the measure by its group, the group columns' values joined by "|".
using ResultMap = std::map<std::string, double>;

struct Measured
{
    std::vector<double> seconds;
    ResultMap result;
    double median() const;
};

// Runs `query` once to warm caches, then `runs` times, timing each run.
Measured measure(int runs, const std::function<ResultMap()>& query);

// Empty when both answers hold the same groups with the same values (to a relative 1e-9),
// else a short description of the first difference.
std::optional<std::string> difference(const ResultMap& expected, const ResultMap& actual);

}
