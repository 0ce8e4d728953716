#include <algorithm>
#include <string_view>

#include "basic/stringlists.h"
#include "basic/texttools.h"

namespace {

// Counts of double quotes and parentheses from the start of the text up to and
// including a position. Separators are found left to right, so the counts only
// ever move forward and the whole split stays linear.
class RunningCounts {
public:
    explicit RunningCounts(std::string_view text) : text_(text) {}

    void AdvanceThrough(size_t position) {
        for (; next_ <= position && next_ < text_.size(); ++next_) {
            switch (text_[next_]) {
                case '"':
                    ++quotes_;
                    break;
                case '(':
                    ++opened_;
                    break;
                case ')':
                    ++closed_;
                    break;
                default:
                    break;
            }
        }
    }
    bool InsideQuotes() const { return quotes_ % 2 != 0; }
    bool ParensBalanced() const { return opened_ == closed_; }

private:
    std::string_view text_;
    size_t next_ = 0;
    int quotes_ = 0, opened_ = 0, closed_ = 0;
};

bool SplitsHere(RunningCounts& counts, size_t position, uint8_t options) {
    if (options & sfIgnoreQuotes) return true;
    counts.AdvanceThrough(position);
    if ((options & sfBalancedParens) && !counts.ParensBalanced()) return false;
    return !counts.InsideQuotes();
}

std::string Field(std::string_view raw, bool trim, uint8_t options) {
    std::string field = trim ? TrimBlanks(std::string(raw)) : std::string(raw);
    const bool stripQuotes = !(options & (sfIgnoreQuotes | sfKeepQuotes));
    if (stripQuotes && !field.empty() && field.front() == '"' && field.back() == '"')
        return field.size() < 2 ? std::string() : field.substr(1, field.size() - 2);
    return field;
}

}  // namespace

std::vector<std::string> SplitFieldList(const std::string& text, const std::string& separator,
                                        uint8_t options) {
    std::vector<std::string> fields;
    const bool trim = !(options & sfNoTrim);
    const std::string work = trim ? TrimBlanks(text) : text;
    if (work.find_first_not_of(' ') == std::string::npos) return fields;

    const size_t length = work.size();
    const size_t k = separator.size();  // an empty separator never splits
    const bool blankSeparator = trim && separator == " ";
    RunningCounts counts(work);
    size_t fieldStart = 0;
    size_t searchFrom = 0;
    while (fields.size() < static_cast<size_t>(kMaxSplitFields)) {
        const size_t found = k == 0 ? std::string::npos : work.find(separator, searchFrom);
        if (found == std::string::npos) {
            fields.push_back(Field(std::string_view(work).substr(fieldStart), trim, options));
            break;
        }
        searchFrom = found + k;
        // In a run of blanks only the last one splits.
        if (blankSeparator && found + 1 < length && work[found + 1] == ' ') continue;
        if (!SplitsHere(counts, found, options)) continue;
        const std::string_view raw(work.data() + fieldStart, found - fieldStart);
        fields.push_back(Field(raw, trim, options));
        fieldStart = found + k;
        // A separator that ends the text opens an empty last field unless told not to.
        if (fieldStart == length && (options & sfNoEmptyLastField)) break;
    }
    return fields;
}

int SplitFields(const std::string& text, const std::string& separator,
                std::vector<std::string>& fields, uint8_t options) {
    std::vector<std::string> list = SplitFieldList(text, separator, options);
    fields.assign(kMaxSplitFields + 1, std::string());
    std::move(list.begin(), list.end(), fields.begin() + 1);
    return static_cast<int>(list.size());
}
