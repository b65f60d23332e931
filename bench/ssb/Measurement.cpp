#include "Measurement.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace ssb {

double Measured::median() const
{
    if (seconds.empty())
        return std::nan("");
    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

std::vector<Measured> measureInTurns(const std::vector<TimedRun>& contenders, int runs, Turns turns)
{
    std::vector<Measured> measured(contenders.size());
    const auto runOnce = [&](size_t c) {
        if (!contenders[c])
            return;
        double seconds = 0;
        const ResultMap result = contenders[c](seconds);
        measured[c].seconds.push_back(seconds);
        if (const auto diff = difference(measured[c].result, result); diff && measured[c].changedAnswer.empty())
            measured[c].changedAnswer = "run " + std::to_string(measured[c].seconds.size()) + ": " + *diff;
    };
    for (size_t c = 0; c < contenders.size(); ++c) {
        measured[c].skipped = !contenders[c];
        if (measured[c].skipped)
            continue;
        double warmUp = 0;
        measured[c].result = contenders[c](warmUp);
        for (int run = 0; turns == Turns::Blocks && run < runs; ++run)
            runOnce(c);
    }
    for (int round = 0; turns == Turns::RoundRobin && round < runs; ++round) {
        for (size_t c = 0; c < contenders.size(); ++c)
            runOnce(c);
    }
    return measured;
}

ResultMap timed(const std::function<ResultMap()>& query, double& seconds)
{
    const auto start = std::chrono::steady_clock::now();
    ResultMap result = query();
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

std::optional<std::string> difference(const ResultMap& expected, const ResultMap& actual)
{
    for (const auto& [group, value] : expected) {
        const auto it = actual.find(group);
        if (it == actual.end())
            return "group \"" + group + "\" missing";
        if (std::abs(it->second - value) > 1e-9 * std::max(1.0, std::abs(value)))
            return "group \"" + group + "\": " + std::to_string(it->second) + " instead of " + std::to_string(value);
    }
    for (const auto& [group, value] : actual) {
        if (!expected.count(group))
            return "extra group \"" + group + "\"";
    }
    return std::nullopt;
}

}
