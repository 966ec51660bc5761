#include "core/singleinstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file is shared by every user and never removed: removing it could let a second station lock a new file
// while the first still holds the old one. It is opened without following a link and only used when it is a
// plain file, since anyone may have put something else there first; O_NONBLOCK keeps a planted FIFO from
// hanging the start.
int openLockFile(const QByteArray &path)
{
    const int flags = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(path.constData(), O_RDWR | flags);
        if (fd < 0 && errno == EACCES)
            fd = ::open(path.constData(), O_RDONLY | flags); // a lock needs no write access
        if (fd >= 0)
            return fd;
        if (errno != ENOENT)
            return -1;
        // Made by whoever comes first, readable and writable by all, whatever the creator's umask.
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | flags, 0666);
        if (fd >= 0) {
            ::fchmod(fd, 0666);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

} // namespace

QString singleInstanceLockPath()
{
    return QDir::tempPath() + "/Zoduv.lock";
}

bool isAnotherInstanceRunning()
{
    // The descriptor stays open for the life of the process and is not inherited by programs it starts, so the
    // lock ends exactly with this process.
    static const bool anotherRunning = [] {
        const int fd = openLockFile(QFile::encodeName(singleInstanceLockPath()));
        if (fd < 0)
            return false;
        struct stat info;
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd);
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return false;
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held;
    }();
    return anotherRunning;
}
