#pragma once

#include "platform/Result.h"

#include <cstddef>
#include <functional>
#include <thread>

namespace olap {

// Runs work(task, worker) for every task in 0 .. tasks - 1 on a set of threads kept for the
// whole run. The threads take one task at a time from a shared counter, so one that the system
// delays holds up at most one small task, not a fixed share of the work. The calling thread
// works too; worker numbers are below workerCount() and no two threads run with the same number
// at once. A second caller that finds the threads busy runs its tasks alone (worker 0).
// The first exception a task throws is raised once every task has ended.
void forEachTask(size_t tasks, const std::function<void(size_t task, size_t worker)>& work);

// The threads forEachTask uses, the caller included: the processors this process may run on
// when it first asks (its affinity mask, as taskset sets it), fixed from then on. Whatever
// sizes its work by processors asks this.
size_t workerCount();

// Starts `work` on a thread of its own, or tells why the system refused one (too many threads,
// no address space left for a stack), for the caller to report rather than abort.
platform::Result<std::thread> startThread(std::function<void()> work);

// While one lives, startThread refuses as the system does at its limits: for tests.
class RefusedThreadStarts
{
public:
    RefusedThreadStarts();
    ~RefusedThreadStarts();
    RefusedThreadStarts(const RefusedThreadStarts&) = delete;
    RefusedThreadStarts& operator=(const RefusedThreadStarts&) = delete;
};

}
