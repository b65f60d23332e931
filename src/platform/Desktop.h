#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Opens a web address or a file with the desktop's default handler. The result is
// not reported back: a page that cannot be opened gives no message.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void openUrl(const QString& address) = 0;
    virtual void openFile(const QString& path) = 0;
};

class DesktopUrlOpener : public UrlOpener
{
public:
    void openUrl(const QString& address) override;
    void openFile(const QString& path) override;
};

// Starts another program without waiting for it, from an argument list (never a shell
// command line). False when the program could not be started.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

class QtProcessLauncher : public ProcessLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

}
