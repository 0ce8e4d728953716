#include "tapefiles/tapelines.h"

#include <utility>

void TTapeLineReader::Add(const std::string& line) {
    bool linkField = false;
    const TTapeRow& row = read_.rows.emplace_back(TapeRowFromLine(line, linkField));
    linkFieldShown_ = linkFieldShown_ || row.HasLink() || (linkField && row.Comment().empty());
}

TTapeLines TTapeLineReader::Take() {
    read_.linkField = linkFieldShown_;
    TTapeLines taken = std::move(read_);
    *this = TTapeLineReader();
    return taken;
}
