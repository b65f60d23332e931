#include "platform/AtomicFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const QByteArray kScratchPrefix(".tessaline-");
// A 64-bit number in base 36.
constexpr qsizetype kMaxScratchSuffix = 13;
// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

// The system's refusal, as errno holds it now.
Failure refused(const QString& path)
{
    return Failure{{}, path, errno};
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

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArray(".");
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file a name leads to, following symbolic links; where a chain ends in nothing, the
// file is created there. Empty, with errno set, for a link that cannot be read or a loop.
QByteArray followLinks(QByteArray path)
{
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat info
        {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t size = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (size < 0)
            return {};
        if (size == target.size()) {
            errno = ENAMETOOLONG;
            return {};
        }
        target.truncate(size);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    errno = ELOOP;
    return {};
}

bool isScratchName(const char* name)
{
    const QByteArray text = QByteArray::fromRawData(name, qsizetype(std::strlen(name)));
    if (!text.startsWith(kScratchPrefix))
        return false;
    const qsizetype suffix = text.size() - kScratchPrefix.size();
    if (suffix < 1 || suffix > kMaxScratchSuffix)
        return false;
    for (qsizetype i = kScratchPrefix.size(); i < text.size(); ++i) {
        const char c = text[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

// A new scratch file beside the target, held locked by this writer until it is renamed,
// so that no other process takes it for the leftover of a killed write. It is opened with
// the mode of any new file, so that the kernel applies the umask: reading the umask would
// mean setting it, for every thread.
int createScratch(const QByteArray& folder, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '/' + kScratchPrefix + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        // A file system without locks refuses them to the cleaner as well, which then
        // leaves every scratch file alone.
        while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
        struct stat info
        {};
        if (::fstat(fd, &info) != 0) {
            const int cause = errno;
            ::close(fd);
            errno = cause;
            return -1;
        }
        if (info.st_nlink > 0)
            return fd;
        // Another process cleaned it away before it was locked: take another.
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Read-only as the user means it: no write permission in the mode at all (which the
// superuser would otherwise ignore), or none for this process.
bool isReadOnly(const QByteArray& target, const struct stat& info)
{
    if ((info.st_mode & 0222) == 0) {
        errno = EACCES;
        return true;
    }
    return ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0;
}

}

void removeStaleScratchFiles(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return;
    QList<QByteArray> names;
    while (const dirent* entry = ::readdir(dir)) {
        if (isScratchName(entry->d_name))
            names.append(QByteArray(entry->d_name));
    }
    ::closedir(dir);
    const int dirFd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return;
    for (const QByteArray& name : names) {
        const int fd = ::openat(dirFd, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held
        {};
        struct stat named
        {};
        // Locked, it has no writer; still under its name, it is that writer's scratch file.
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::fstatat(dirFd, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == held.st_dev
            && named.st_ino == held.st_ino)
            ::unlinkat(dirFd, name.constData(), 0);
        ::close(fd);
    }
    ::close(dirFd);
}

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    errno = 0;
    const QByteArray target = followLinks(QFile::encodeName(path));
    if (target.isEmpty())
        return refused(path);
    struct stat old
    {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && isReadOnly(target, old))
        return refused(path);

    const QByteArray folder = folderOf(target);
    removeStaleScratchFiles(QFile::decodeName(folder));
    // The scratch name does not grow with the target's: a name as long as the file system
    // allows must still be writable.
    QByteArray temp;
    const int fd = createScratch(folder, temp);
    if (fd < 0)
        return refused(path);
    const auto discard = [&](int cause) -> Result<void> {
        ::unlink(temp.constData());
        return Failure{{}, path, cause};
    };

    // A replaced file keeps its permissions; a new one has the usual ones already.
    if (replacing)
        ::fchmod(fd, old.st_mode & 07777);

    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int cause = errno;
        ::close(fd);
        return discard(cause);
    }
    // The lock goes with the last descriptor: a copy keeps the scratch file claimed until
    // it has its new name, while closing the first still reports a failed write.
    const int held = ::dup(fd);
    if (::close(fd) != 0 || held < 0) {
        const int cause = errno;
        if (held >= 0)
            ::close(held);
        return discard(cause);
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int cause = errno;
        ::close(held);
        return discard(cause);
    }
    ::close(held);
    return {};
}

}
