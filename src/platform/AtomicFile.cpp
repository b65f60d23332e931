#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool fail(QString* error, const QString& what)
{
    if (error)
        *error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    const QByteArray target = QFile::encodeName(path);
    // The scratch name does not grow with the target's: a name as long as the file system
    // allows must still be writable.
    QByteArray temp = QFile::encodeName(QFileInfo(path).path()) + "/.tessaline-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(error, path);

    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat old{};
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        errno = written ? errno : savedErrno;
        ::unlink(temp.constData());
        return fail(error, path);
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int renameErrno = errno;
        ::unlink(temp.constData());
        errno = renameErrno;
        return fail(error, path);
    }
    return true;
}

}
