#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace platform {

// The running program as its procedures see it: where it lies, its title and version,
// its command line, and whether another copy of it already runs.
class App
{
public:
    // lockFolder: where the single-instance lock lives (the user's runtime folder).
    App(QString path, QString commandLine, QString lockFolder);
    // The running executable, its arguments joined by single blanks, the user's runtime folder.
    static App fromProcess();

    const QString& path() const { return m_path; }   // the program folder
    const QString& commandLine() const { return m_commandLine; }
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    static int major();
    static int minor();
    static int revision();

    // True when another running copy holds the lock. The first call takes the lock and
    // keeps it until releaseInstanceLock or the end of this object.
    bool prevInstance();
    void releaseInstanceLock();

    void setCommandLine(const QString& commandLine) { m_commandLine = commandLine; }

private:
    QString m_path;
    QString m_commandLine;
    QString m_lockFolder;
    QString m_title;
    std::shared_ptr<QLockFile> m_lock;
    bool m_checked = false;
    bool m_prevInstance = false;
};

}
