#pragma once

namespace platform {

// Ends the process at once: no further events run and nothing else is released.
class ProcessEnd
{
public:
    virtual ~ProcessEnd() = default;
    [[noreturn]] virtual void endProcess(int exitCode) = 0;
};

class ImmediateProcessEnd : public ProcessEnd
{
public:
    [[noreturn]] void endProcess(int exitCode) override;
};

// What a test's stand-in throws instead of ending the process. It is deliberately not a
// std::exception, so that handlers which skip failing statements let it pass.
struct ProcessEnded
{
    int exitCode = 0;
};

// Runs an event handler's work; a test's process end must not unwind through the toolkit.
template<class F>
void eventBoundary(F&& work)
{
    try {
        work();
    } catch (const ProcessEnded&) {
    }
}

}
