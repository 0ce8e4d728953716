#pragma once

// A whole tape read back from its lines: the lines from 21 on of the settings
// file, or the lines of a tape file. Each line becomes a row through
// TapeRowFromLine.
//
// A tape writes the link field on every row once any row has been linked,
// and otherwise only on a row with a comment (whose link field then comes
// before it, empty). So the tape read back writes the link field on every
// row when some row names a link or some line without a comment has a link
// field; the link field of a commented line alone does not turn it on. Either
// way the lines are written back as they were read.

#include <cstddef>
#include <string>
#include <vector>

#include "tape/taperow.h"

struct TTapeLines {
    std::vector<TTapeRow> rows;
    bool linkField = false;
};

class TTapeLineReader {
public:
    void Reserve(size_t lines) { read_.rows.reserve(lines); }
    void Add(const std::string& line);
    size_t Count() const { return read_.rows.size(); }
    // The rows read so far; the reader starts again empty.
    TTapeLines Take();

private:
    TTapeLines read_;
    bool linkFieldShown_ = false;
};
