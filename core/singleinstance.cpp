#include "core/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

QString singleInstanceLockPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ORV/Zoduv.lock";
}

bool isAnotherInstanceRunning()
{
    // Held for the life of the process; released, and its file removed, when the process ends normally.
    static QLockFile lock(singleInstanceLockPath());
    static const bool anotherRunning = [] {
        QDir().mkpath(QFileInfo(singleInstanceLockPath()).path());
        // A station may run for months: only a holder that no longer exists makes the lock stale, never its age.
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) {
            return false;
        }
        return lock.error() == QLockFile::LockFailedError;
    }();
    return anotherRunning;
}
