#pragma once

// The lock a running program holds on its settings file: an advisory lock
// (flock) on a lock file beside it, which the system gives up the moment
// the process ends, however it ends, so a crashed program leaves no stale
// lock behind (only its file, which the next holder takes over). A normal
// end removes the file. The file is never synced to disk: nothing but the
// running processes needs it, and a sync can cost tens of milliseconds on a
// busy disk at every start.
//
// The file names the holder as QLockFile does (process, program, host,
// machine and boot), so that a copy of an earlier version of the program,
// which locks with QLockFile, sees a live holder and hands over too.

#include <QString>

class TInstanceLock {
public:
    enum class TResult {
        Taken,        // this process holds the lock until it ends or Unlock
        Held,         // another process holds it
        Unavailable,  // the lock file cannot be made or locked at all
    };

    explicit TInstanceLock(const QString& path);
    ~TInstanceLock();
    TInstanceLock(const TInstanceLock&) = delete;
    TInstanceLock& operator=(const TInstanceLock&) = delete;

    TResult TryLock();
    void Unlock();

private:
    void WriteHolder() const;

    QString path_;
    int file_ = -1;
};
