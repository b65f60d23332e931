#pragma once

#include "olap/CubeSource.h"
#include "pivot/PivotHooks.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace pivot::test {

// Holds a cube's read and its answers until the test opens it, so that what the window's
// thread does meanwhile depends on the code, not on the machine's speed. The wait ends by
// itself after `limit`, so that code which waits for an answer on the window's thread
// (and so never lets the test open the gate) fails instead of hanging.
class Gate
{
public:
    void open()
    {
        const std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    void close()
    {
        const std::lock_guard lock(m_mutex);
        m_open = false;
    }
    bool isOpen() const
    {
        const std::lock_guard lock(m_mutex);
        return m_open;
    }
    void pass(std::chrono::milliseconds limit = std::chrono::seconds(20))
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, limit, [this] { return m_open; });
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
};

// A cube still being read until the gate opens: it reports read progress, and its
// queries, member lists and details wait at the gate before the real cube answers.
class GatedCube : public olap::CubeSource
{
public:
    GatedCube(std::unique_ptr<olap::CubeSource> cube, std::shared_ptr<Gate> gate)
        : m_cube(std::move(cube)), m_gate(std::move(gate))
    {
    }

    const olap::CubeSchema& schema() const override { return m_cube->schema(); }
    olap::CellSet query(const olap::PivotQuery& query) override
    {
        m_gate->pass();
        return m_cube->query(query);
    }
    QVector<olap::Member> members(const QString& hierarchy, int level, const olap::MemberPath& parent = {},
                                  const QString& search = {}) override
    {
        m_gate->pass();
        return m_cube->members(hierarchy, level, parent, search);
    }
    olap::DetailRows details(const olap::PivotQuery& query, int row, int column, int limit) override
    {
        m_gate->pass();
        return m_cube->details(query, row, column, limit);
    }
    std::optional<std::pair<qint64, qint64>> readProgress() const override
    {
        if (m_gate->isOpen())
            return m_cube->readProgress();
        return std::pair<qint64, qint64>(1000, 600000);
    }

private:
    std::unique_ptr<olap::CubeSource> m_cube;
    std::shared_ptr<Gate> m_gate;
};

// While it lives, every cube the pivot tables open is held at `gate`.
class GatedOpener
{
public:
    explicit GatedOpener(std::shared_ptr<Gate> gate)
    {
        hooks().cubeOpener = [opener = hooks().cubeOpener, gate](const QString& connection, const QString& member) {
            return std::unique_ptr<olap::CubeSource>(std::make_unique<GatedCube>(opener(connection, member), gate));
        };
    }

private:
    InstalledHooks m_installed{hooks()};
};

}
