#include "olap/WorkerPool.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace olap;

TEST(WorkerPool, EveryTaskRunsOnceSpreadOverTheWorkersAndTheFirstFailureIsRaised)
{
    std::vector<std::atomic<int>> runs(1000);
    std::vector<std::atomic<int>> byWorker(workerCount());
    forEachTask(runs.size(), [&](size_t task, size_t worker) {
        ASSERT_LT(worker, workerCount());
        ++runs[task];
        ++byWorker[worker];
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    });
    for (const auto& r : runs)
        EXPECT_EQ(r.load(), 1);
    int busy = 0;
    for (const auto& w : byWorker)
        busy += w.load() > 0;
    EXPECT_GT(busy, workerCount() > 1 ? 1 : 0) << "a delayed thread would hold up a fixed share of the work";

    std::atomic<int> started = 0;
    EXPECT_THROW(forEachTask(100,
                             [&](size_t task, size_t) {
                                 ++started;
                                 if (task == 3)
                                     throw std::runtime_error("task 3");
                             }),
                 std::runtime_error);
    EXPECT_LE(started.load(), 100);
    // The pool is free again afterwards, and a call from inside a task runs there, alone.
    std::atomic<int> inner = 0;
    forEachTask(4, [&](size_t, size_t) { forEachTask(3, [&](size_t, size_t worker) { inner += worker == 0; }); });
    EXPECT_EQ(inner.load(), 12);
}
