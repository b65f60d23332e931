#include "EnginePeer.h"

#include "SsbSchema.h"
#include "olap/CubeProvider.h"

#include <QFile>
#include <chrono>
#include <optional>

namespace ssb {

namespace {

bool showsTotals(const olap::PivotQuery& query)
{
    const auto shows = [](const olap::Axis& a) { return !a.fields.isEmpty() && (a.subtotals || a.grandTotal); };
    return shows(query.rows) || shows(query.columns);
}

// Nothing for a total or the All member where the SQL has no totals.
std::optional<std::vector<std::string>> tupleKeys(const olap::Tuple& tuple, const QVector<olap::AxisField>& fields,
                                                  bool totals)
{
    std::vector<std::string> keys;
    for (qsizetype f = 0; f < tuple.members.size(); ++f) {
        const olap::TupleMember& m = tuple.members[f];
        const QStringList& path = m.member.path.keys;
        if (!totals) {
            if (m.isTotal || path.isEmpty())
                return std::nullopt;
            keys.push_back(path.back().toStdString());
            continue;
        }
        for (qsizetype level = 0; level <= fields[f].level; ++level)
            keys.push_back(level < path.size() ? path[level].toStdString() : kTotalKey);
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

void resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

ResultMap cellsOf(const olap::CellSet& cells, const olap::PivotQuery& query)
{
    const bool totals = showsTotals(query);
    ResultMap result;
    for (int r = 0; r < cells.rows.size(); ++r) {
        const auto rowKeys = tupleKeys(cells.rows[r], query.rows.fields, totals);
        for (int c = 0; rowKeys && c < cells.columns.size(); ++c) {
            const auto columnKeys = tupleKeys(cells.columns[c], query.columns.fields, totals);
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
    return cellsOf(cells, query);
}

void EnginePeer::answer(const olap::PivotQuery& query)
{
    m_cube->query(query);
}

}
