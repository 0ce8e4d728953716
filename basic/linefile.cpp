// The line file: 8-bit lines, each ended by CR LF when written; CR LF, a lone
// CR or a lone LF when read. Saving goes through TSavedFile, which writes a
// temporary file in the target's folder and renames it over the target only
// once every byte is written: a crash, a full disk or a second copy of the
// program saving at the same moment leaves either the old file or the new one,
// never a truncated or mixed one.

#include <QString>
#include <algorithm>
#include <cstring>

#include "basic/filebytes.h"
#include "basic/filefailure.h"
#include "basic/platformerror.h"
#include "basic/savedfile.h"
#include "basic/stringlists.h"

namespace {

// Finds the line ends of a text left to right. memchr looks for the next CR
// and the next LF only once each has been passed, so a line of megabytes is
// scanned at memchr speed and the whole text stays linear.
class LineEnds {
public:
    explicit LineEnds(std::string_view text)
        : text_(text), cr_(Find('\r', 0)), lf_(Find('\n', 0)) {}

    // Position of the first CR or LF at or after from, or the text's size.
    size_t From(size_t from) {
        if (cr_ < from) cr_ = Find('\r', from);
        if (lf_ < from) lf_ = Find('\n', from);
        return std::min(cr_, lf_);
    }

private:
    size_t Find(char c, size_t from) const {
        const void* hit = std::memchr(text_.data() + from, c, text_.size() - from);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - text_.data())
                   : text_.size();
    }

    std::string_view text_;
    size_t cr_, lf_;
};

// Calls take(line) for every line of text: a line ends at CR LF, a lone CR or
// a lone LF, and a line end at the very end opens no empty last line.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
    LineEnds ends(text);
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = ends.From(start);
        take(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
    }
}

}  // namespace

void TStringList::AddLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    // Room for the lines up front: a long file then costs one allocation of the
    // item table instead of a copy of it at every doubling.
    size_t lines = 0;
    ForEachLine(text, [&lines](std::string_view) { ++lines; });
    items_.reserve(items_.size() + lines);
    ForEachLine(text, [this](std::string_view line) { Add(std::string(line)); });
}

void TStringList::LoadFromFile(const std::string& path) {
    const std::string bytes = ReadWholeFile(path);
    Clear();
    AddLines(bytes);
}

void TStringList::SaveToFile(const std::string& path) const {
    TSavedFile file(path);
    file.Write(Text());
    file.Commit();
}
