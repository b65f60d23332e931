#include "support/TestServices.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>

namespace {

QByteArrayList neededServices()
{
    return qgetenv("TESSALINE_TEST_SERVICES").split(',');
}

bool loadServiceFile(const QByteArray& service)
{
    QFile file(QStringLiteral(TESSALINE_SERVICES_DIR "/") + QString::fromLatin1(service) + QStringLiteral(".env"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "the test needs the %s service, whose start did not write %s\n", service.constData(),
                     qPrintable(file.fileName()));
        return false;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            qputenv(line.left(equals).constData(), line.mid(equals + 1));
    }
    return true;
}

}   // namespace

// The libraries that Qt's xcb platform loads keep their session-bus connection for the life
// of the process; that is not the program's leak.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n";
}

bool loadTestServices()
{
    for (const QByteArray& service : neededServices()) {
        if (!service.isEmpty() && !loadServiceFile(service))
            return false;
    }
    qputenv("QT_QPA_PLATFORM", onRealDisplay() ? QByteArrayLiteral("xcb") : QByteArrayLiteral("offscreen"));
    return true;
}

bool onRealDisplay()
{
    return neededServices().contains("x11");
}
