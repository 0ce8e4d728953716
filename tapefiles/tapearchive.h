#pragma once

// The archive of earlier tapes. Before a tape with rows is cleared or
// replaced, it is kept here as a tape file, in Tarvik/cintes/ under the
// generic data folder (normally ~/.local/share/Tarvik/cintes/), named by the
// local date and time it was kept, to the millisecond:
// cinta-2026-12-09-143012-345.txt. The archive keeps at most kMostFiles files
// and kMostBytes bytes, removing the oldest; the newest file stays even when
// it alone is larger, so the last tape cleared is always there. Only files
// named that way belong to the archive: anything else in the folder is left
// alone.

#include <QDateTime>
#include <QFileInfoList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TTapeDocument;

struct TArchivedTape {
    std::string path;
    QDateTime keptAt;
    int32_t rows = 0;
    // The value of the last total (or grand-total) row, when the tape has one.
    std::optional<double> lastTotal;
};

class TTapeArchive {
public:
    static constexpr int kMostFiles = 200;
    static constexpr int64_t kMostBytes = 50 * 1024 * 1024;

    // Tarvik/cintes under QStandardPaths::GenericDataLocation.
    static std::string DefaultFolder();

    explicit TTapeArchive(std::string folder = DefaultFolder()) : folder_(std::move(folder)) {}

    const std::string& Folder() const { return folder_; }

    // Keeps a tape that has rows (an empty one is not kept), then removes the
    // oldest files past the limits. Returns the new file's path, or an empty
    // text. Throws PlatformError when the folder cannot be made or the file
    // cannot be written.
    std::string Keep(const TTapeDocument& tape,
                     const QDateTime& when = QDateTime::currentDateTime());

    // The newest `count` tapes of the archive, newest first; a file that
    // cannot be read as a tape is left out.
    std::vector<TArchivedTape> Newest(int count) const;

    // The files of the archive, newest first.
    QFileInfoList Files() const;
    // The files within the limits, newest first: the ones a trim leaves.
    QFileInfoList KeptFiles() const;
    // When the file of the archive named `fileName` was kept (its name tells).
    static QDateTime KeptAt(const QString& fileName);

private:
    void Trim() const;

    std::string folder_;
};
