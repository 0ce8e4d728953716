#include "app/instancelock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

TInstanceLock::TInstanceLock(const QString& path) : path_(path) {}

TInstanceLock::~TInstanceLock() {
    Unlock();
}

// A lock taken on a file that its holder removed meanwhile (the holder
// ended between our open and our lock) guards nothing: the path may already
// name a new file. Then it is tried again on the file the path names now.
TInstanceLock::TResult TInstanceLock::TryLock() {
    if (file_ >= 0) return TResult::Taken;
    if (path_.isEmpty()) return TResult::Unavailable;
    const QByteArray path = QFile::encodeName(path_);
    constexpr int kAttempts = 5;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int file = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (file < 0) return TResult::Unavailable;
        int locked;
        do {
            locked = ::flock(file, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(file);
            return held ? TResult::Held : TResult::Unavailable;
        }
        struct stat lockedFile {};
        struct stat namedFile {};
        if (::fstat(file, &lockedFile) == 0 && ::stat(path.constData(), &namedFile) == 0 &&
            lockedFile.st_dev == namedFile.st_dev && lockedFile.st_ino == namedFile.st_ino) {
            file_ = file;
            WriteHolder();
            return TResult::Taken;
        }
        ::close(file);
    }
    return TResult::Held;
}

// The file goes while it is still locked, so no start can lock it after.
void TInstanceLock::Unlock() {
    if (file_ < 0) return;
    ::unlink(QFile::encodeName(path_).constData());
    ::close(file_);
    file_ = -1;
}

// Best effort: the lock holds whether or not the text could be written.
void TInstanceLock::WriteHolder() const {
    const QByteArray holder =
        QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
        QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName()) + '\n' +
        QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
        QSysInfo::bootUniqueId() + '\n';
    if (::ftruncate(file_, 0) != 0) return;
    [[maybe_unused]] const ssize_t written = ::pwrite(file_, holder.constData(), size_t(holder.size()), 0);
}
