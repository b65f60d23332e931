#include "platform/BoundedRead.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The callers leave out what they cannot read without telling the user, so the reasons are
// for the log and stay in English.
Failure failure(const char* what, const QString& path, int osError = 0)
{
    return Failure{QString::fromLatin1(what), path, osError};
}

}

Result<QByteArray> readSmallRegularFile(const QString& path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    // Opening a device can have effects of its own (a tape rewinds, a watchdog starts), so
    // what is not a regular file is never opened.
    struct stat before
    {};
    if (::stat(name.constData(), &before) != 0)
        return failure("The file cannot be read", path, errno);
    if (!S_ISREG(before.st_mode))
        return failure("Not a regular file", path);
    if (before.st_size > limit)
        return failure("The file is too large", path);

    // The name may have been given to a FIFO since: without O_NONBLOCK the open would wait for
    // a writer, and a regular file must still be one once open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure("The file cannot be read", path, errno);
    struct stat opened
    {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return failure("Not a regular file", path);
    }

    // A file that grows while it is read (or one whose size the system does not know, as in
    // /proc) is read only up to one byte past the limit.
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return failure("The file cannot be read", path, error);
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
        if (bytes.size() > limit) {
            ::close(fd);
            return failure("The file is too large", path);
        }
    }
    ::close(fd);
    return bytes;
}

}
