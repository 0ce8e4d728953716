#pragma once

// TIndexedTape: one file of the archive of cleared tapes, read once and held
// for searching: the searchable rows (values and folded comments) and what a
// result shows of a row (its operator and its comment as written). Rows are
// numbered as opening the file numbers them: the lines that are no tape row
// are left out. It never changes once built, so any thread may read it.

#include <QDateTime>
#include <QFileInfo>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tape/taperow.h"
#include "tapesearch/searchablerows.h"

class TIndexedTape {
public:
    // Reads an archived file. A file that cannot be read or is no tape gives
    // a tape without rows, so that it is not read again until it changes.
    static std::shared_ptr<const TIndexedTape> Read(const QFileInfo& file);

    // The tape of `rows`, for the file `file` (as listed when it was read).
    TIndexedTape(const QFileInfo& file, const std::vector<TTapeRow>& rows);

    const std::string& Path() const { return path_; }
    // When the archive kept it, as its name tells.
    const QDateTime& KeptAt() const { return keptAt_; }
    // Whether `file` is still the file that was read: same path, size and
    // time of change.
    bool IsFile(const QFileInfo& file) const;

    const TSearchableRows& Searchable() const { return searchable_; }
    int32_t Rows() const { return searchable_.Rows(); }
    double Number(int32_t row) const;
    std::string_view OperatorField(int32_t row) const;
    std::string_view Comment(int32_t row) const;

    // The memory the index of this tape takes.
    size_t Bytes() const;

private:
    std::string path_;
    QDateTime keptAt_;
    int64_t fileBytes_ = 0;
    QDateTime modified_;
    TSearchableRows searchable_;
    std::vector<TTapeOperator> operators_;
    TRowTexts otherOperators_;  // the texts of TTapeOperator::Other
    TRowTexts comments_;
};
