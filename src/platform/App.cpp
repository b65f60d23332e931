#include "platform/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace platform {

App::App(QString path, QString commandLine, QString lockFolder)
    : m_path(std::move(path))
    , m_commandLine(std::move(commandLine))
    , m_lockFolder(std::move(lockFolder))
    , m_title(QStringLiteral("tessaline"))
{
}

App App::fromProcess()
{
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return App(QCoreApplication::applicationDirPath(), arguments.join(QLatin1Char(' ')), runtime);
}

int App::major()
{
    return TESSALINE_VERSION_MAJOR;
}

int App::minor()
{
    return TESSALINE_VERSION_MINOR;
}

int App::revision()
{
    return TESSALINE_VERSION_PATCH;
}

bool App::prevInstance()
{
    if (m_checked)
        return m_prevInstance;
    m_checked = true;
    QDir().mkpath(m_lockFolder);
    m_lock = std::make_shared<QLockFile>(m_lockFolder + QStringLiteral("/tessaline.lock"));
    // A lock left by a copy that died is stale and taken over at once.
    m_lock->setStaleLockTime(0);
    m_prevInstance = !m_lock->tryLock(0);
    if (m_prevInstance)
        m_lock.reset();
    return m_prevInstance;
}

void App::releaseInstanceLock()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

}
