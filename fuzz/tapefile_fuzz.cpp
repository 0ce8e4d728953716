// Reads random bytes as a tape file. Besides memory errors and undefined
// behaviour, it stops when
//  - a text is read as a tape while holding a NUL byte, or gives more rows
//    and bad lines than it has lines;
//  - the tape read, written and read again does not give the same rows and
//    bytes when written again, or its file has lines that are no tape rows.

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "basic/platformerror.h"
#include "tape/tapedocument.h"
#include "tapefiles/tapefile.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

size_t LineCount(std::string_view text) {
    size_t lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    return lines + 1;
}

void Fill(TTapeDocument& tape, TTapeFileContent content) {
    tape.ReplaceRows(std::move(content.tape.rows), content.tape.linkField);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TTapeFileContent content;
    try {
        content = ReadTapeFileText(text);
    } catch (const PlatformError&) {
        return 0;
    }
    Check(text.find('\0') == std::string_view::npos);
    Check(content.tape.rows.size() + static_cast<size_t>(content.badLines) <= LineCount(text));
    Check((content.badLines == 0) == (content.firstBadLine == 0));

    TTapeDocument first;
    Fill(first, std::move(content));
    const std::string written = TapeFileText(first);
    TTapeFileContent again = ReadTapeFileText(written);
    Check(again.badLines == 0);
    TTapeDocument second;
    Fill(second, std::move(again));
    Check(second.UsedRows() == first.UsedRows());
    for (int32_t row = 0; row < first.UsedRows(); ++row)
        Check(second.Row(row) == first.Row(row));
    Check(TapeFileText(second) == written);
    return 0;
}
