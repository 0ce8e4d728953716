// Reads random bytes as the settings and tape file, the whole way onto a
// tape: the lines split as a loaded file is split, the settings read, the
// rows and options loaded into a tape engine with the current-row rule, the
// file written back, then a number and "+" typed and the tape evaluated.
// Besides memory errors and undefined behaviour, it stops when
//  - the current row is not the stored one while that lies from 0 to the
//    first free row (or past it, when the file says the program put it
//    there), or not the first free row otherwise;
//  - a restart changes the file: what is written, read again and loaded
//    onto a new tape, is written byte for byte the same;
//  - "5 +" typed at the first free row does not land there, or a row is lost.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "basic/stringlists.h"
#include "calculator/settingsfile.h"
#include "tape/tapeengine.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Reads the text as a file onto a new engine and writes it back as a window
// closing at once would.
std::string Restart(std::string_view text, TTapeEngine& engine) {
    TArrayCadena lines;
    lines.AddLines(text);
    TStoredSettings stored = ReadStoredSettings(lines);
    ResumeStoredTape(stored, engine);
    StoreEngineState(engine, stored);
    TArrayCadena written;
    WriteStoredSettings(stored, engine.Tape(), written);
    return written.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TArrayCadena lines;
    lines.AddLines(text);
    const TStoredSettings read = ReadStoredSettings(lines);

    TTapeEngine engine;
    const std::string written = Restart(text, engine);
    const TTapeDocument& tape = engine.Tape();
    const int32_t firstFree = tape.UsedRows();
    const int32_t current = tape.CurrentRow();
    if (read.currentRow && (*read.currentRow <= firstFree || read.rowPastTape)) {
        Check(current == *read.currentRow);
    } else {
        Check(current == firstFree);
    }

    TTapeEngine again;
    Check(Restart(written, again) == written);

    // "5 +" at the first free row adds a row there, and no row is lost: a
    // file whose last row is "=" or "%" without the computed row after it got
    // that row when it was read. (The file may hold a number half typed: "5"
    // starts a new one.)
    engine.SetEntryText({});
    engine.Press(DigitKey(5));
    engine.Press(TTapeKey::Plus);
    // (Rounding every number may have rewritten "5" as "5.00"; with the
    // fixed-decimal entry on, 5 is typed as 0,05.)
    const TTapeOptions& options = engine.Options();
    const double five = options.fixedDecimals ? 5 / std::pow(10.0, options.decimals) : 5.0;
    const auto typed = [&tape, five](int32_t row) {
        return tape.Number(row) == five && tape.Operator(row) == TTapeOperator::Plus;
    };
    Check(tape.UsedRows() >= firstFree);
    if (current == firstFree) Check(tape.UsedRows() == firstFree + 1 && typed(firstFree));
    (void)engine.RecalcTape(tape.UsedRows());
    return 0;
}
