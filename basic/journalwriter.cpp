#include "basic/journalwriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "basic/filefailure.h"
#include "basic/platformerror.h"
#include "basic/savedfile.h"

TJournalWriter::~TJournalWriter() {
    Close();
}

void TJournalWriter::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    open_ = false;
}

void TJournalWriter::Continue(uint64_t goodBytes) {
    Close();
    started_ = true;
    restartOn_.reset();
    written_ = goodBytes;
    Open();
}

void TJournalWriter::Restart(const TJournalBinding& base) {
    Close();
    started_ = true;
    pending_.clear();
    unsynced_ = false;
    restartOn_ = base;
    if (Open()) failure_.clear();
}

// Makes fd_ the end of the journal: a restarted journal is written first; the
// file is then cut to what this writer knows it wrote.
bool TJournalWriter::Open() {
    if (!started_) return false;
    if (restartOn_) {
        try {
            TSavedFile file(path_);
            file.Write(JournalHeader(*restartOn_));
            file.Commit();
        } catch (const PlatformError& error) {
            failure_ = error.what();
            return false;
        }
        restartOn_.reset();
        restartWanted_ = false;
        written_ = kJournalHeaderSize;
    }
    fd_ = open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    // A journal gone from under the writer lost what it held.
    if (fd_ < 0 && errno == ENOENT) restartWanted_ = true;
    if (fd_ < 0) return Fail(errno);
    struct stat st {};
    if (fstat(fd_, &st) != 0) return Fail(errno);
    // Bytes the journal should hold are gone: it can no longer be trusted.
    if (static_cast<uint64_t>(st.st_size) < written_) restartWanted_ = true;
    if (ftruncate(fd_, static_cast<off_t>(written_)) != 0) return Fail(errno);
    open_ = true;
    return true;
}

bool TJournalWriter::Fail(int error) {
    if (!open_) Close();
    failure_ = WriteFailureMessage(path_, error);
    return false;
}

bool TJournalWriter::Flush() {
    if (!open_ && !Open()) return false;
    size_t done = 0;
    int error = 0;
    while (done < pending_.size()) {
        const ssize_t written = write(fd_, pending_.data() + done, pending_.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error = written < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<size_t>(written);
    }
    if (done > 0) unsynced_ = true;
    written_ += done;
    pending_.erase(0, done);
    if (error != 0) return Fail(error);
    if (!restartWanted_) failure_.clear();
    return true;
}

// A failed sync may have dropped bytes already written, and a second sync
// would not say so: the journal is restarted on a new base.
bool TJournalWriter::Sync() {
    if (!Flush()) return false;
    if (!unsynced_) return true;
    while (fdatasync(fd_) != 0) {
        if (errno == EINTR) continue;
        restartWanted_ = true;
        return Fail(errno);
    }
    unsynced_ = false;
    return true;
}
