// The settings file's lines: read into TStoredSettings and written back.

#include "calculator/settingsfile.h"

#include <algorithm>
#include <cmath>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "tape/tapedocument.h"
#include "tape/tapenumbers.h"
#include "tapefiles/storedtape.h"

namespace {

// The decimals (line 6) and the first tape line (21): see storedtape.h; the
// current row (11): see settingsfile.h.
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
};
static_assert(kCurrentRowLine == kConvertOnCopyLine + 1);

// The extension lines of what a restart must give back and the other lines
// cannot hold: the engine's state around the tape, and the link field of
// rows whose lines do not show it.
constexpr const char* kEntryKey = "entrada";
constexpr const char* kShapedEntryKey = "entradaadd";
constexpr const char* kNewEntryKey = "novaentrada";
constexpr const char* kSubtotalKey = "subtotal";
constexpr const char* kLinkFieldKey = "enllacos";
constexpr const char* kRowPastTapeKey = "fila";

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

double StoredMemory(const std::string& text) { return SafeNumber(text); }

bool StoredFixedDecimals(const std::string& text) { return text == "1"; }

// The value as it was read while it still reads as the one to write; nothing
// at the start value; otherwise the value's own text.
void StoreExtension(TExtensionLines& extensions, const char* key, const std::string& read,
                    bool readsAlike, bool atStart, const std::string& text) {
    if (!read.empty() && readsAlike) {
        extensions.Set(key, read);
    } else if (!atStart) {
        extensions.Set(key, text);
    }
}

void StoreDeskKeys(const TStoredSettings& stored, TExtensionLines& extensions) {
    StoreExtension(extensions, kMemoryKey, stored.memoryText,
                   StoredMemory(stored.memoryText) == stored.memory, stored.memory == 0,
                   ExactText(stored.memory));
    StoreExtension(extensions, kFixedDecimalsKey, stored.fixedDecimalsText,
                   StoredFixedDecimals(stored.fixedDecimalsText) == stored.fixedDecimals,
                   !stored.fixedDecimals, "1");
}

// A value equal to what a missing line means is not written at all.
void SetUnlessDefault(TExtensionLines& lines, const char* key, const std::string& value,
                      const std::string& missing) {
    if (value == missing) {
        lines.Remove(key);
    } else {
        lines.Set(key, value);
    }
}

void WriteOptionLines(const TStoredSettings& stored, TArrayCadena& lines) {
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
}

TExtensionLines ExtensionsOf(const TStoredSettings& stored) {
    TExtensionLines extensions = stored.extensions;
    StoreDeskKeys(stored, extensions);
    SetUnlessDefault(extensions, kEntryKey, stored.entryText, "");
    SetUnlessDefault(extensions, kNewEntryKey, stored.newEntryPending ? "1" : "0", "0");
    SetUnlessDefault(extensions, kShapedEntryKey, stored.shapedEntry ? "1" : "0", "0");
    SetUnlessDefault(extensions, kSubtotalKey, stored.subtotalText, "");
    SetUnlessDefault(extensions, kStaysOnTopKey, stored.staysOnTop ? "1" : "0", "0");
    return extensions;
}

// Whether the tape lines, read back, show that the rows carry the link
// field: a row with a link, or a row without a comment, which then has it.
// (An empty tape and a tape of commented rows do not show it.)
bool LinesShowLinkField(const TTapeDocument& tape) {
    for (int32_t row = 0; row < tape.UsedRows(); ++row) {
        const TTapeRow& r = tape.Row(row);
        if (r.HasLink() || r.Comment().empty()) return true;
    }
    return false;
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
    stored.entryText = stored.extensions.Value(kEntryKey).value_or(std::string());
    stored.newEntryPending = stored.extensions.Value(kNewEntryKey) == "1";
    stored.subtotalText = stored.extensions.Value(kSubtotalKey).value_or(std::string());
    stored.shapedEntry = stored.extensions.Value(kShapedEntryKey) == "1";
    stored.memoryText = stored.extensions.Value(kMemoryKey).value_or(std::string());
    stored.memory = StoredMemory(stored.memoryText);
    stored.fixedDecimalsText = stored.extensions.Value(kFixedDecimalsKey).value_or(std::string());
    stored.fixedDecimals = StoredFixedDecimals(stored.fixedDecimalsText);
    stored.staysOnTop = stored.extensions.Value(kStaysOnTopKey) == "1";
    stored.tape = StoredTape(lines);
    if (stored.extensions.Value(kLinkFieldKey) == "1") stored.tape.linkField = true;
    if (const std::optional<std::string> line = stored.extensions.Value(kRowPastTapeKey)) {
        const std::optional<int32_t> row = SettingsNumber(*line);
        stored.rowPastTape = row && *row < TTapeDocument::kMaxRows;
        if (stored.rowPastTape) stored.currentRow = row;
    }
    // They go back to the first free lines in this order when written, so
    // that where they stand depends on nothing but the other lines.
    for (const char* key : {kMemoryKey, kFixedDecimalsKey, kEntryKey, kNewEntryKey, kShapedEntryKey,
                            kSubtotalKey, kStaysOnTopKey, kLinkFieldKey, kRowPastTapeKey})
        stored.extensions.Remove(key);
    return stored;
}

void WriteSettingsLines(const TStoredSettings& stored, TArrayCadena& lines) {
    WriteOptionLines(stored, lines);
    ExtensionsOf(stored).Write(lines);
}

void WriteStoredSettings(const TStoredSettings& stored, const TTapeDocument& tape,
                         TArrayCadena& lines) {
    WriteOptionLines(stored, lines);
    TExtensionLines extensions = ExtensionsOf(stored);
    if (tape.WritesLinkField() && !LinesShowLinkField(tape)) extensions.Set(kLinkFieldKey, "1");
    if (stored.currentRow && *stored.currentRow > tape.UsedRows())
        extensions.Set(kRowPastTapeKey, IntToText(*stored.currentRow));
    extensions.Write(lines);
    const int32_t used = tape.UsedRows();
    for (int32_t row = 0; row < used; ++row)
        lines.SetItemAt(row + kFirstTapeLine, tape.RowText(row));
}
