#include "tapefiles/storedtape.h"

#include <algorithm>

#include "basic/numbertext.h"
#include "basic/stringlists.h"
#include "tape/tapeengine.h"

std::optional<int32_t> SettingsNumber(const std::string& line) {
    const int32_t number = TextToInt(line);
    if (number < 0 || (number == 0 && line != "0")) return std::nullopt;
    return number;
}

std::optional<int32_t> StoredDecimals(const TArrayCadena& lines) {
    const std::optional<int32_t> decimals = SettingsNumber(lines.ItemAt(kDecimalsLine));
    if (decimals && *decimals <= kMaxDecimals) return decimals;
    return std::nullopt;
}

// The list of rows gets room for an eighth more: the rows typed after the
// start (or played from the journal) then move no row of a long tape, which
// would hold up the first key by a copy of the whole list.
TTapeLines StoredTape(const TArrayCadena& lines) {
    TTapeLineReader reader;
    const auto rows = static_cast<size_t>(std::max(lines.Count() - kFirstTapeLine + 1, 0));
    reader.Reserve(rows + rows / 8);
    for (int line = kFirstTapeLine; line <= lines.Count(); ++line)
        reader.Add(lines.Strings(line - 1));
    return reader.Take();
}
