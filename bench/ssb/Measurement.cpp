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

Measured measure(int runs, const std::function<ResultMap()>& query)
{
    Measured m;
    m.result = query();
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        m.result = query();
        m.seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return m;
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
