#include "EnginePeer.h"

#include "SsbSchema.h"
#include "olap/CubeProvider.h"

#include <QFile>
#include <chrono>
#include <optional>

namespace ssb {

namespace {

// Nothing for a total or the All member, which the SQL groups never hold.
std::optional<std::vector<std::string>> leafKeys(const olap::Tuple& tuple)
{
    std::vector<std::string> keys;
    for (const olap::TupleMember& m : tuple.members) {
        if (m.isTotal || m.member.path.isAll())
            return std::nullopt;
        keys.push_back(m.member.path.keys.back().toStdString());
    }
    return keys;
}

std::string joined(std::vector<std::string> keys, const std::vector<std::string>& more)
{
    keys.insert(keys.end(), more.begin(), more.end());
    std::string key;
    for (size_t i = 0; i < keys.size(); ++i)
        key += (i ? "|" : "") + keys[i];
    return key;
}

}

double processMemory(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').front().toDouble() * 1024;
    }
    return 0;
}

ResultMap groupsOf(const olap::CellSet& cells)
{
    ResultMap result;
    for (int r = 0; r < cells.rows.size(); ++r) {
        const auto rowKeys = leafKeys(cells.rows[r]);
        for (int c = 0; rowKeys && c < cells.columns.size(); ++c) {
            const auto columnKeys = leafKeys(cells.columns[c]);
            if (!columnKeys)
                continue;
            if (const auto value = cells.value(r, c, 0))
                result[joined(*rowKeys, *columnKeys)] = *value;
        }
    }
    return result;
}

EnginePeer::EnginePeer(const QString& connectionString)
{
    m_residentBeforeOpen = processMemory("VmRSS");
    const auto start = std::chrono::steady_clock::now();
    m_cube = olap::openCube(connectionString, QString::fromLatin1(kCubeName));
    // A cube file is read on a thread of its own; a member list waits for the read to end.
    m_cube->members(m_cube->schema().hierarchies.front().name, 0);
    m_openSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m_residentAfterOpen = processMemory("VmRSS");
}

ResultMap EnginePeer::run(const olap::PivotQuery& query, double& seconds)
{
    const auto start = std::chrono::steady_clock::now();
    const olap::CellSet cells = m_cube->query(query);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return groupsOf(cells);
}

}
