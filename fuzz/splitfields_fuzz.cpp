// Splits random texts at random separators (of one to three characters, the
// empty one included) under every combination of option bits. Besides memory
// errors and undefined behaviour, it stops when
//  - the field array does not have its fixed size, or fields are stored
//    outside 1 .. count, or more fields are reported than it holds;
//  - a text of blanks only does not give 0 fields, or any other text gives
//    none;
//  - with neither trimming nor quote handling (bits 0 and 1), the fields
//    joined by the separator do not give the text back (followed by one more
//    separator when bit 4 dropped an empty last field).

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "basic/stringlists.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool OnlyBlanks(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

std::string Joined(const std::vector<std::string>& fields, int count, const std::string& separator) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        if (i > 1) text += separator;
        text += fields[static_cast<size_t>(i)];
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const uint8_t options = input.ConsumeIntegral<uint8_t>();
    // Mostly the separators in use (tab, blank, comma, semicolon), sometimes
    // any short text.
    static const char* const kUsual[] = {"\t", " ", ",", ";", "\"", "("};
    const std::string separator = input.ConsumeBool()
                                      ? std::string(input.PickValueInArray(kUsual))
                                      : input.ConsumeRandomLengthString(3);
    const std::string text = input.ConsumeRemainingBytesAsString();

    std::vector<std::string> fields{"left over"};
    const int count = SplitFields(text, separator, fields, options);
    Check(fields.size() == static_cast<size_t>(kMaxSplitFields) + 1);
    Check(count >= 0 && count <= kMaxSplitFields);
    Check(fields[0].empty());
    for (size_t i = static_cast<size_t>(count) + 1; i < fields.size(); ++i) Check(fields[i].empty());
    Check((count == 0) == OnlyBlanks(text));

    const bool plain = (options & (sfNoTrim | sfIgnoreQuotes)) == (sfNoTrim | sfIgnoreQuotes);
    if (plain && count > 0 && count < kMaxSplitFields) {
        const std::string joined = Joined(fields, count, separator);
        const bool droppedLast = (options & sfNoEmptyLastField) && !separator.empty() &&
                                 joined + separator == text;
        Check(joined == text || droppedLast);
    }
    return 0;
}
