#pragma once

// The settings and tape file, Tarvik/Brimsum.Ini in the per-user
// configuration folder, as data: no window is needed to read it, load its
// tape or write it back. Numbered 8-bit lines ended by CR LF:
//
//   1, 2   left and top edge of the window (a left edge below 1: centred)
//   3      tax-rate index          4   margin percentage
//   5      margin-type index       6   decimals
//   7      round totals (1 or 0)   8   round every number
//   9      round calculations      10  decimal point in copies
//   11     current tape row (any other: the first free row)
//   12 to 20 key=value extensions (TExtensionLines: finestra=WIDTHxHEIGHT,
//          ives=..., memoria=NUMBER, decimalsfixos=1, semprevisible=1 for a
//          window kept above the others, and what a restart
//          must give back as it was: entrada= the entry text, novaentrada=1
//          when the next digit starts a new entry, entradaadd=1 when the entry
//          is being shaped by the fixed-decimal entry, subtotal= the subtotal
//          as shown, enllacos=1 when the rows carry the link field and their
//          lines do not show it, fila= the current row when it lies past the
//          first free row; each only when it is not what a file without it
//          means)
//   21...  tape rows 0, 1, 2 ... as tab-separated value, operator, link and
//          comment (TTapeDocument::RowText; read by StoredTape). A grand
//          total is the row after one whose operator field holds "G"; a
//          reader that knows no grand total takes that row as a plain
//          number.
//
// Any content reads: a line that is no number leaves its setting at its
// start value (lines 6 to 11) or gives the first-run value (lines 1 to 5).
// The memory (a number with a point, every digit kept) and the fixed-decimal
// entry are written only when they are not at their start values (0, off),
// so a file without them keeps its bytes; a line that already says what is
// to be written stays as it was.

#include <cstdint>
#include <optional>
#include <string>

#include "calculator/extensionlines.h"
#include "tapefiles/tapelines.h"

// The extension keys of the memory and of the fixed-decimal entry.
inline constexpr const char* kMemoryKey = "memoria";
inline constexpr const char* kFixedDecimalsKey = "decimalsfixos";
// The window kept above the others: "1"; off writes no line.
inline constexpr const char* kStaysOnTopKey = "semprevisible";

class TArrayCadena;
class TTapeDocument;
class TTapeEngine;
struct TTapeOptions;

// The line of the current row, the last of the settings proper; lines 12 to
// 20 are the extension lines.
inline constexpr int kCurrentRowLine = 11;
inline constexpr int kLastSettingsLine = TExtensionLines::kLastLine;

struct TStoredSettings {
    int32_t left = 0;
    int32_t top = 0;
    int32_t vatIndex = 0;
    double marginPercent = 0;
    int32_t marginType = 0;
    // Nothing: the line leaves the option at its start value (and is written
    // empty).
    std::optional<int32_t> decimals;
    std::optional<bool> roundTotals;
    std::optional<bool> roundAll;
    std::optional<bool> roundCalculations;
    std::optional<bool> convertOnCopy;
    // The current row as stored; nothing when the line holds no row number.
    std::optional<int32_t> currentRow;
    // The memory (0 for a line that holds no number) and the fixed-decimal
    // entry (on for "1"), read from their extension lines.
    double memory = 0;
    bool fixedDecimals = false;
    // The window stays above the others.
    bool staysOnTop = false;
    // Their lines' values as read: written back as they were while they
    // still read as the memory and the fixed-decimal entry.
    std::string memoryText;
    std::string fixedDecimalsText;
    // The current row is the program's own, past the first free row on
    // purpose: it is kept there (line 11 alone never selects such a row).
    bool rowPastTape = false;
    // The engine's state around the tape.
    std::string entryText;
    bool newEntryPending = false;
    bool shapedEntry = false;
    std::string subtotalText;
    // Lines 12 to 20 as read, but for those of the memory, the fixed-decimal
    // entry, entryText, newEntryPending, shapedEntry, subtotalText, staysOnTop, the
    // tape's link field and the current row past the tape, which take the
    // first free lines in that order when written, so that where they stand
    // depends on nothing but the other lines.
    TExtensionLines extensions;
    // The tape lines as rows, as read.
    TTapeLines tape;
};

// The settings of a loaded file (an empty list for a file that is missing).
TStoredSettings ReadStoredSettings(const TArrayCadena& lines);

// The stored tape onto a tape of its own (the journal of the changes made
// since the file was written is played onto it next): the rows (moved out of
// `stored`), the total or percent amount that the last row asks for when the
// file lacks it, then the current row, which is the stored one from 0 to the
// first free row and otherwise the first free row (unless the program wrote
// a row past it on purpose), so that the next number is added to the tape and
// never typed over a stored row.
void LoadStoredTape(TStoredSettings& stored, TTapeDocument& tape);
// The tape (its rows moved out) into the engine, with the options, the entry
// text, NewEntryPending and the subtotal as stored: the engine takes up the
// tape where it was left.
void ResumeStoredTape(const TStoredSettings& stored, TTapeDocument& tape, TTapeEngine& engine);
// Both, for a file without a journal.
void ResumeStoredTape(TStoredSettings& stored, TTapeEngine& engine);

// The engine's options, current row, entry text, NewEntryPending, subtotal
// and memory, for writing.
void StoreEngineState(const TTapeEngine& engine, TStoredSettings& stored);
// The options alone.
void StoreOptions(const TTapeOptions& options, TStoredSettings& stored);

// Lines 1 to 20 from `stored` (the memory and the fixed-decimal entry into
// their extension lines).
void WriteSettingsLines(const TStoredSettings& stored, TArrayCadena& lines);
// Lines 1 to 20 from `stored` and the tape lines from the used rows of
// `tape` (the rows of `stored` are not written).
void WriteStoredSettings(const TStoredSettings& stored, const TTapeDocument& tape,
                         TArrayCadena& lines);
