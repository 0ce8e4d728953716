#include "calculator/settingsfile.h"

#include <algorithm>
#include <cmath>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "tape/tapeengine.h"
#include "tapefiles/storedtape.h"

namespace {

// The decimals (line 6) and the first tape line (21): see storedtape.h.
enum TSettingsLine : int {
    kLeftLine = 1,
    kTopLine,
    kVatIndexLine,
    kMarginLine,
    kMarginTypeLine,
    kRoundTotalsLine = kDecimalsLine + 1,
    kRoundAllLine,
    kRoundCalculationsLine,
    kConvertOnCopyLine,
    kCurrentRowLine,
};

// Stored as 1 (true) or 0; any number above 1 reads as false.
std::optional<bool> OptionFlag(const std::string& line) {
    const std::optional<int32_t> number = SettingsNumber(line);
    if (!number) return std::nullopt;
    return *number == 1;
}

// A number that cannot be read (a lone comma) or is not finite reads as 0.
double SafeNumber(const std::string& line) {
    try {
        const double number = TextToFloat(line);
        return std::isfinite(number) ? number : 0;
    } catch (const PlatformError&) {
        return 0;
    }
}

std::string OptionText(std::optional<int32_t> number) {
    return number ? IntToText(*number) : std::string();
}

std::string FlagText(std::optional<bool> on) {
    if (!on) return {};
    return *on ? "1" : "0";
}

}  // namespace

TStoredSettings ReadStoredSettings(const TArrayCadena& lines) {
    TStoredSettings stored;
    stored.left = TextToInt(lines.ItemAt(kLeftLine));
    stored.top = TextToInt(lines.ItemAt(kTopLine));
    stored.vatIndex = TextToInt(lines.ItemAt(kVatIndexLine));
    stored.marginPercent = SafeNumber(lines.ItemAt(kMarginLine));
    stored.marginType = TextToInt(lines.ItemAt(kMarginTypeLine));
    stored.decimals = StoredDecimals(lines);
    stored.roundTotals = OptionFlag(lines.ItemAt(kRoundTotalsLine));
    stored.roundAll = OptionFlag(lines.ItemAt(kRoundAllLine));
    stored.roundCalculations = OptionFlag(lines.ItemAt(kRoundCalculationsLine));
    stored.convertOnCopy = OptionFlag(lines.ItemAt(kConvertOnCopyLine));
    stored.currentRow = SettingsNumber(lines.ItemAt(kCurrentRowLine));
    stored.extensions.Read(lines);
    stored.tape = StoredTape(lines);
    return stored;
}

// The tape comes back in one piece, with room for a free row after it, and
// as it was written, computed rows included: the next key evaluates it again.
void LoadStoredTape(TStoredSettings& stored, TTapeEngine& engine) {
    TKeptTape kept;
    kept.rows = std::move(stored.tape.rows);
    stored.tape.rows.clear();
    kept.linkField = stored.tape.linkField;
    TTapeOptions& options = kept.state.options;
    if (stored.decimals) options.decimals = *stored.decimals;
    if (stored.roundTotals) options.roundTotals = *stored.roundTotals;
    if (stored.roundAll) options.roundAll = *stored.roundAll;
    if (stored.roundCalculations) options.roundCalculations = *stored.roundCalculations;
    if (stored.convertOnCopy) options.convertOnCopy = *stored.convertOnCopy;
    kept.state.currentRow = stored.currentRow.value_or(-1);
    kept.state.newEntryPending = true;
    engine.Resume(std::move(kept));
}

void StoreEngineState(const TTapeEngine& engine, TStoredSettings& stored) {
    const TTapeOptions& options = engine.Options();
    stored.decimals = options.decimals;
    stored.roundTotals = options.roundTotals;
    stored.roundAll = options.roundAll;
    stored.roundCalculations = options.roundCalculations;
    stored.convertOnCopy = options.convertOnCopy;
    stored.currentRow = engine.Tape().CurrentRow();
}

void WriteStoredSettings(const TStoredSettings& stored, const TTapeDocument& tape,
                         TArrayCadena& lines) {
    lines.SetItemAt(kLeftLine, IntToText(stored.left));
    lines.SetItemAt(kTopLine, IntToText(stored.top));
    lines.SetItemAt(kVatIndexLine, IntToText(stored.vatIndex));
    lines.SetItemAt(kMarginLine, FloatToPlainText(stored.marginPercent));
    lines.SetItemAt(kMarginTypeLine, IntToText(stored.marginType));
    lines.SetItemAt(kDecimalsLine, OptionText(stored.decimals));
    lines.SetItemAt(kRoundTotalsLine, FlagText(stored.roundTotals));
    lines.SetItemAt(kRoundAllLine, FlagText(stored.roundAll));
    lines.SetItemAt(kRoundCalculationsLine, FlagText(stored.roundCalculations));
    lines.SetItemAt(kConvertOnCopyLine, FlagText(stored.convertOnCopy));
    lines.SetItemAt(kCurrentRowLine, OptionText(stored.currentRow));
    stored.extensions.Write(lines);
    const int32_t used = tape.UsedRows();
    for (int32_t row = 0; row < used; ++row)
        lines.SetItemAt(row + kFirstTapeLine, tape.RowText(row));
}
