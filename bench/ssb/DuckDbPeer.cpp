#include "DuckDbPeer.h"

#include "SsbSchema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <stdexcept>

namespace ssb {

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QByteArray jobJson(const DataSet& dataSet)
{
    QJsonArray tablesJson;
    for (const Table& table : tables()) {
        tablesJson.append(QJsonObject{{QStringLiteral("name"), text(table.name)},
                                      {QStringLiteral("ddl"), text(createTable(table, Dialect::DuckDb))},
                                      {QStringLiteral("file"), text(dataSet.tblFile(table.name))}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("tables"), tablesJson}}).toJson(QJsonDocument::Compact);
}

[[noreturn]] void failed()
{
    throw std::runtime_error("the DuckDB process failed (is `npm ci` done in bench/ssb?)");
}

}

DuckDbPeer::DuckDbPeer(const std::string& script, const DataSet& dataSet)
{
    QTemporaryFile job;
    if (!job.open() || job.write(jobJson(dataSet)) < 0 || !job.flush())
        throw std::runtime_error("cannot write the DuckDB job file");
    m_node.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_node.start(QStringLiteral("node"), {text(script), job.fileName()});
    if (!m_node.waitForStarted())
        failed();
    const QJsonObject ready = readAnswer();   // after the load: the job file may go
    m_version = ready.value(QStringLiteral("version")).toString().toStdString();
    m_loadSeconds = ready.value(QStringLiteral("loadSeconds")).toDouble();
}

DuckDbPeer::~DuckDbPeer()
{
    m_node.closeWriteChannel();
    if (!m_node.waitForFinished(10000))
        m_node.kill();
}

QJsonObject DuckDbPeer::readAnswer()
{
    while (!m_node.canReadLine()) {
        if (!m_node.waitForReadyRead(-1))
            failed();
    }
    QJsonParseError error;
    const QJsonDocument answer = QJsonDocument::fromJson(m_node.readLine(), &error);
    if (error.error != QJsonParseError::NoError)
        failed();
    return answer.object();
}

QJsonObject DuckDbPeer::ask(const QByteArray& request)
{
    m_node.write(request + '\n');
    return readAnswer();
}

double DuckDbPeer::peakMemoryBytes()
{
    return ask(R"({"stats":true})").value(QStringLiteral("maxRssKb")).toDouble() * 1024;
}

ResultMap DuckDbPeer::run(const std::string& sql, double& seconds)
{
    const QJsonObject answer =
        ask(QJsonDocument(QJsonObject{{QStringLiteral("sql"), text(sql)}}).toJson(QJsonDocument::Compact));
    seconds = answer.value(QStringLiteral("seconds")).toDouble();
    ResultMap result;
    const QJsonObject groups = answer.value(QStringLiteral("groups")).toObject();
    for (auto it = groups.begin(); it != groups.end(); ++it)
        result[it.key().toStdString()] = it.value().toDouble();
    return result;
}

}
