#pragma once

// A file written whole or not at all. TSavedFile writes into a temporary file
// in the target's folder (QSaveFile) and puts it in the target's place only
// at Commit, once every byte is written: a full disk, a read-only folder, a
// crash or a failed Commit leave the old file (or none) and never a
// truncated one. A TSavedFile that goes without Commit removes what it wrote.

#include <QSaveFile>
#include <string>
#include <string_view>

// Throws PlatformError("<what> \"<path>\". <the device's error>"), the
// message of every failed file operation.
[[noreturn]] void ThrowFileError(const char* what, const std::string& path,
                                 const QFileDevice& file);

class TSavedFile {
public:
    // Throws PlatformError("Cannot create file ...") when the file cannot be
    // made (no such folder, no right to write there).
    explicit TSavedFile(const std::string& path);
    TSavedFile(const TSavedFile&) = delete;
    TSavedFile& operator=(const TSavedFile&) = delete;

    // For writers that take a device (QPdfWriter); their failures are seen
    // at Commit.
    QIODevice& Device() { return file_; }
    // Throws PlatformError("Cannot write file ...") when not every byte fits.
    void Write(std::string_view bytes);
    // Puts the file in place; throws PlatformError("Cannot write file ...")
    // when any write failed or the file cannot be put in place.
    void Commit();

private:
    std::string path_;
    QSaveFile file_;
};
