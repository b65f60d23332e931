#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

void fail(const char* check, const QString& detail)
{
    std::fprintf(stderr, "FUZZ FINDING: %s\n%s\n", check, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

uint8_t Input::byte()
{
    return atEnd() ? 0 : m_data[m_at++];
}

double Input::number()
{
    unsigned char bytes[sizeof(double)] = {};
    for (unsigned char& b : bytes)
        b = byte();
    double value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

QString Input::text()
{
    const int length = byte();
    QString out;
    for (int i = 0; i < length && !atEnd(); ++i) {
        const uint8_t low = byte();
        out += QChar(char16_t(low | byte() << 8));
    }
    return out;
}

QString Input::restAsUtf16()
{
    QString out;
    while (m_size - m_at >= 2) {
        out += QChar(qFromLittleEndian<quint16>(m_data + m_at));
        m_at += 2;
    }
    m_at = m_size;
    return out;
}

QByteArray Input::rest()
{
    const QByteArray out(reinterpret_cast<const char*>(m_data + std::min(m_at, m_size)),
                         qsizetype(m_size - std::min(m_at, m_size)));
    m_at = m_size;
    return out;
}

void startQt()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

QString scratchFolder()
{
    // Harnesses that write files per input run several times faster on a memory file
    // system; TMPDIR still chooses where, if it is set.
    static const QString parent =
        qEnvironmentVariableIsEmpty("TMPDIR") && QFileInfo(QStringLiteral("/dev/shm")).isWritable()
        ? QStringLiteral("/dev/shm")
        : QDir::tempPath();
    static QTemporaryDir folder(parent + QStringLiteral("/tessaline-fuzz-XXXXXX"));
    return folder.path();
}

}
