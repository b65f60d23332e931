#include "DuckDbPeer.h"

#include "SsbSchema.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>
#include <stdexcept>

namespace ssb {

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QByteArray jobJson(const DataSet& dataSet, const std::vector<SsbQuery>& queries, int runs)
{
    QJsonArray tablesJson;
    for (const Table& table : tables()) {
        tablesJson.append(QJsonObject{{QStringLiteral("name"), text(table.name)},
                                      {QStringLiteral("ddl"), text(createTable(table, Dialect::DuckDb))},
                                      {QStringLiteral("file"), text(dataSet.tblFile(table.name))}});
    }
    QJsonArray queriesJson;
    for (const SsbQuery& q : queries)
        queriesJson.append(QJsonObject{{QStringLiteral("name"), text(q.name)}, {QStringLiteral("sql"), text(q.sql)}});
    return QJsonDocument(QJsonObject{{QStringLiteral("runs"), runs},
                                     {QStringLiteral("tables"), tablesJson},
                                     {QStringLiteral("queries"), queriesJson}})
        .toJson(QJsonDocument::Compact);
}

}

DuckDbRun runDuckDb(const std::string& script, const DataSet& dataSet, const std::vector<SsbQuery>& queries, int runs)
{
    QTemporaryFile job;
    if (!job.open() || job.write(jobJson(dataSet, queries, runs)) < 0 || !job.flush())
        throw std::runtime_error("cannot write the DuckDB job file");

    QProcess node;
    node.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    node.start(QStringLiteral("node"), {text(script), job.fileName()});
    if (!node.waitForFinished(-1) || node.exitStatus() != QProcess::NormalExit || node.exitCode() != 0)
        throw std::runtime_error("the DuckDB run failed (is `npm ci` done in bench/ssb?)");

    QJsonParseError error;
    const QJsonObject out = QJsonDocument::fromJson(node.readAllStandardOutput(), &error).object();
    if (error.error != QJsonParseError::NoError)
        throw std::runtime_error("the DuckDB run gave no readable answer");
    DuckDbRun run;
    run.version = out.value(QStringLiteral("version")).toString().toStdString();
    run.loadSeconds = out.value(QStringLiteral("loadSeconds")).toDouble();
    run.peakMemoryBytes = out.value(QStringLiteral("maxRssKb")).toDouble() * 1024;
    for (const QJsonValue& q : out.value(QStringLiteral("queries")).toArray()) {
        Measured m;
        for (const QJsonValue& s : q.toObject().value(QStringLiteral("seconds")).toArray())
            m.seconds.push_back(s.toDouble());
        const QJsonObject groups = q.toObject().value(QStringLiteral("groups")).toObject();
        for (auto it = groups.begin(); it != groups.end(); ++it)
            m.result[it.key().toStdString()] = it.value().toDouble();
        run.queries.push_back(std::move(m));
    }
    if (run.queries.size() != queries.size())
        throw std::runtime_error("the DuckDB run answered too few queries");
    return run;
}

}
