#pragma once

#include <cstddef>
#include <functional>

namespace olap {

// Runs work(task, worker) for every task in 0 .. tasks - 1 on a set of threads kept for the
// whole run. The threads take one task at a time from a shared counter, so one that the system
// delays holds up at most one small task, not a fixed share of the work. The calling thread
// works too; worker numbers are below workerCount() and no two threads run with the same number
// at once. A second caller that finds the threads busy runs its tasks alone (worker 0).
// The first exception a task throws is raised once every task has ended.
void forEachTask(size_t tasks, const std::function<void(size_t task, size_t worker)>& work);

// The threads forEachTask uses, the caller included: the processors this process may run on.
size_t workerCount();

}
