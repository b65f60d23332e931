#pragma once

#include <utility>

namespace platform {

// Installs a layer's value for as long as it lives, through that layer's exchange (which
// installs a value and returns the one installed before), then puts the earlier one back.
// Each layer names its own: `using InstalledHooks = platform::Installed<Hooks, &exchangeHooks>`.
template<typename T, auto Exchange>
class Installed
{
public:
    explicit Installed(T installed) : m_previous(Exchange(std::move(installed))) {}
    ~Installed() { Exchange(std::move(m_previous)); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

private:
    T m_previous;
};

}
