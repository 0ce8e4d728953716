#include "basic/savedfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

#include "basic/filefailure.h"

namespace {

// The folder part of a path ("." for a bare name).
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A link is followed to the file it names, so the link itself stays.
std::string Resolved(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string RandomSuffix() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{[] {
        return uint64_t{std::random_device{}()} ^ (static_cast<uint64_t>(getpid()) << 32);
    }()};
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kLetters[random() % (sizeof(kLetters) - 1)];
    return suffix;
}

// The sync of a folder makes a rename in it durable; file systems that
// cannot sync a folder say so with EINVAL, which leaves nothing to do.
int SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    while (fsync(fd) != 0) {
        if (errno == EINTR) continue;
        if (errno != EINVAL) error = errno;
        break;
    }
    close(fd);
    return error;
}

}  // namespace

TSavedFile::TSavedFile(const std::string& path) : name_(path), path_(Resolved(path)) {
    struct stat old {};
    const bool replaces = stat(path_.c_str(), &old) == 0;
    if (replaces && S_ISDIR(old.st_mode)) ThrowWriteFailure(path, EISDIR);
    // A name that another file took in the meantime is drawn again.
    constexpr int kTries = 100;
    int error = EEXIST;
    for (int attempt = 0; attempt < kTries && fd_ < 0 && error == EEXIST; ++attempt) {
        temp_ = path_ + "." + RandomSuffix();
        fd_ = open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = fd_ < 0 ? errno : 0;
    }
    if (fd_ < 0) {
        temp_.clear();
        ThrowWriteFailure(path, error);
    }
    if (replaces && fchmod(fd_, old.st_mode & 07777) != 0) Fail(errno);
}

TSavedFile::~TSavedFile() {
    Discard();
}

void TSavedFile::Discard() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (!temp_.empty()) unlink(temp_.c_str());
    temp_.clear();
}

void TSavedFile::Fail(int error) {
    Discard();
    ThrowWriteFailure(name_, error);
}

QIODevice& TSavedFile::Device() {
    if (!device_.isOpen()) device_.open(QIODevice::WriteOnly);
    return device_;
}

void TSavedFile::Write(std::string_view bytes) {
    if (fd_ < 0) Fail(EBADF);
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        // A write that takes nothing and reports nothing: the disk is full.
        if (written <= 0) Fail(written < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

void TSavedFile::Commit() {
    if (device_.isOpen()) {
        device_.close();
        Write(std::string_view(deviceBytes_.constData(), static_cast<size_t>(deviceBytes_.size())));
        deviceBytes_.clear();
    }
    if (fd_ < 0) Fail(EBADF);
    while (fsync(fd_) != 0)
        if (errno != EINTR) Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    // Linux releases the descriptor even when close is interrupted.
    if (close(fd) != 0 && errno != EINTR) Fail(errno);
    if (rename(temp_.c_str(), path_.c_str()) != 0) Fail(errno);
    temp_.clear();
    if (const int error = SyncFolder(FolderOf(path_)); error != 0) ThrowWriteFailure(name_, error);
}
