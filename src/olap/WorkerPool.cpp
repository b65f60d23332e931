#include "olap/WorkerPool.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <sched.h>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace olap {

namespace {

std::atomic<int> refusedThreadStarts{0};

class Pool
{
public:
    Pool()
    {
        // A thread the system refuses leaves its share to the others; the caller always works.
        for (size_t w = 1; w < workerCount(); ++w) {
            platform::Result<std::thread> thread = startThread([this, w] { serve(w); });
            if (!thread)
                break;
            std::move(thread).value().detach();   // kept until the process ends
        }
    }

    void run(size_t tasks, const std::function<void(size_t, size_t)>& work)
    {
        if (tasks == 1 || workerCount() == 1 || m_running.exchange(true)) {
            for (size_t t = 0; t < tasks; ++t)
                work(t, 0);
            return;
        }
        struct Release
        {
            std::atomic<bool>& running;
            ~Release() { running = false; }
        } release{m_running};
        {
            const std::lock_guard lock(m_mutex);
            m_work = &work;
            m_tasks = tasks;
            m_next = 0;
            m_failure = nullptr;
            ++m_generation;
        }
        m_wake.notify_all();
        drain(work, tasks, 0);
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return m_busy == 0; });
        m_work = nullptr;   // a thread that wakes late finds nothing to do
        if (m_failure)
            std::rethrow_exception(std::exchange(m_failure, nullptr));
    }

private:
    void serve(size_t worker)
    {
        unsigned long long seen = 0;
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [&] { return m_generation != seen; });
            seen = m_generation;
            if (!m_work)
                continue;
            const auto* work = m_work;
            const size_t tasks = m_tasks;
            ++m_busy;
            lock.unlock();
            drain(*work, tasks, worker);
            lock.lock();
            if (--m_busy == 0)
                m_idle.notify_all();
        }
    }

    void drain(const std::function<void(size_t, size_t)>& work, size_t tasks, size_t worker)
    {
        for (size_t t = m_next.fetch_add(1); t < tasks; t = m_next.fetch_add(1)) {
            try {
                work(t, worker);
            } catch (...) {
                const std::lock_guard lock(m_mutex);
                if (!m_failure)
                    m_failure = std::current_exception();
                m_next = tasks;   // no new tasks once one has failed
            }
        }
    }

    std::atomic<bool> m_running{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    const std::function<void(size_t, size_t)>* m_work = nullptr;
    size_t m_tasks = 0;
    std::atomic<size_t> m_next{0};
    size_t m_busy = 0;
    unsigned long long m_generation = 0;
    std::exception_ptr m_failure;
};

}

size_t workerCount()
{
    static const size_t count = [] {
        cpu_set_t set;
        CPU_ZERO(&set);
        if (sched_getaffinity(0, sizeof set, &set) == 0)
            return size_t(std::max(1, CPU_COUNT(&set)));
        return size_t(std::max(1u, std::thread::hardware_concurrency()));
    }();
    return count;
}

void forEachTask(size_t tasks, const std::function<void(size_t task, size_t worker)>& work)
{
    if (tasks == 0)
        return;
    static Pool* pool = new Pool;   // never destroyed: its threads live as long as the process
    pool->run(tasks, work);
}

platform::Result<std::thread> startThread(std::function<void()> work)
{
    const auto refused = [](int error) {
        return platform::Failure{QCoreApplication::translate("olap", "The system could not start a thread"), {}, error};
    };
    if (refusedThreadStarts.load() > 0)
        return refused(EAGAIN);
    try {
        return std::thread(std::move(work));
    } catch (const std::system_error& e) {
        return refused(e.code().value());
    }
}

RefusedThreadStarts::RefusedThreadStarts()
{
    ++refusedThreadStarts;
}

RefusedThreadStarts::~RefusedThreadStarts()
{
    --refusedThreadStarts;
}

}
