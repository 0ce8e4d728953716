#pragma once

// A file written whole or not at all. TSavedFile writes into a new temporary
// file in the target's folder and puts it in the target's place only at
// Commit, once every byte is written and on the disk: each step (every
// write, the sync of the file, its close, the rename over the target, the
// sync of the folder) is checked. A failing step removes the temporary file
// and throws PlatformError with WriteFailureMessage, so a full disk, a
// read-only folder, a folder where the file should be, a file-size limit or
// a crash leave the old file byte for byte (or none), never a truncated one.
// A TSavedFile that goes without Commit removes what it wrote.
//
// The new file keeps the permissions of the file it replaces; a new one gets
// the usual ones (0666 less the umask). A target that is a symbolic link is
// written where the link points, so the link stays.

#include <QBuffer>
#include <QByteArray>
#include <string>
#include <string_view>

class TSavedFile {
public:
    // Creates the temporary file; throws PlatformError when that cannot be
    // done (no such folder, no right to write there, a folder in the way).
    explicit TSavedFile(const std::string& path);
    ~TSavedFile();
    TSavedFile(const TSavedFile&) = delete;
    TSavedFile& operator=(const TSavedFile&) = delete;

    // For writers that take a device (QPdfWriter): what they write is kept in
    // memory and written to the file at Commit, where a failure shows.
    QIODevice& Device();
    // Writes every byte; throws PlatformError when not every byte fits.
    void Write(std::string_view bytes);
    // Writes what went to Device, syncs the file, puts it in place and syncs
    // the folder; throws PlatformError when any of that fails.
    void Commit();

private:
    [[noreturn]] void Fail(int error);
    void Discard();

    std::string name_;  // the target as the caller named it, for messages
    std::string path_;  // the target, links followed
    std::string temp_;  // the temporary file while it exists
    int fd_ = -1;
    QByteArray deviceBytes_;
    QBuffer device_{&deviceBytes_};
};
