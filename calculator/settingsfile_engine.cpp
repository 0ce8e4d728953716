// The settings read from the file onto a tape and the tape engine, and taken
// back from the engine for writing.

#include <vector>

#include "calculator/settingsfile.h"
#include "tape/tapeengine.h"
#include "tape/tapeevaluation.h"

namespace {

TTapeOptions OptionsOf(const TStoredSettings& stored) {
    TTapeOptions options;
    if (stored.decimals) options.decimals = *stored.decimals;
    if (stored.roundTotals) options.roundTotals = *stored.roundTotals;
    if (stored.roundAll) options.roundAll = *stored.roundAll;
    if (stored.roundCalculations) options.roundCalculations = *stored.roundCalculations;
    if (stored.convertOnCopy) options.convertOnCopy = *stored.convertOnCopy;
    options.fixedDecimals = stored.fixedDecimals;
    return options;
}

// A tape whose last row asks for a total, a grand total or a percent amount
// lacks the row that holds it: the evaluation writes it, so that the first
// free row comes after it.
void ComputeMissingRow(TTapeDocument& tape, const TTapeOptions& options) {
    if (!AsksForComputedRow(tape.Operator(tape.UsedRows() - 1))) return;
    TTapeEvaluation(tape).Update(options);
}

}  // namespace

// The tape comes back in one piece, with room for a free row after it, and
// as it was written, computed rows included: the next key evaluates it again.
void LoadStoredTape(TStoredSettings& stored, TTapeDocument& tape) {
    tape.ReplaceRows(std::move(stored.tape.rows), stored.tape.linkField);
    stored.tape.rows.clear();
    ComputeMissingRow(tape, OptionsOf(stored));
    const int32_t firstFree = tape.UsedRows();
    const std::optional<int32_t> row = stored.currentRow;
    tape.SetCurrentRow(row && (*row <= firstFree || stored.rowPastTape) ? *row : firstFree);
}

void ResumeStoredTape(const TStoredSettings& stored, TTapeDocument& tape, TTapeEngine& engine) {
    TKeptTape kept;
    kept.linkField = tape.WritesLinkField();
    kept.room = tape.RowCount();
    kept.state.currentRow = tape.CurrentRow();
    kept.state.entry = stored.entryText;
    kept.state.newEntryPending = stored.newEntryPending;
    kept.state.shapedEntry = stored.shapedEntry;
    kept.state.subtotal = stored.subtotalText;
    kept.state.memory = stored.memory;
    kept.state.options = OptionsOf(stored);
    kept.rows = tape.TakeRows();
    engine.Resume(std::move(kept));
}

void ResumeStoredTape(TStoredSettings& stored, TTapeEngine& engine) {
    TTapeDocument tape;
    LoadStoredTape(stored, tape);
    ResumeStoredTape(stored, tape, engine);
}

void StoreOptions(const TTapeOptions& options, TStoredSettings& stored) {
    stored.decimals = options.decimals;
    stored.roundTotals = options.roundTotals;
    stored.roundAll = options.roundAll;
    stored.roundCalculations = options.roundCalculations;
    stored.convertOnCopy = options.convertOnCopy;
    stored.fixedDecimals = options.fixedDecimals;
}

void StoreEngineState(const TTapeEngine& engine, TStoredSettings& stored) {
    StoreOptions(engine.Options(), stored);
    const TTapeState state = engine.State();
    stored.currentRow = state.currentRow;
    stored.entryText = state.entry;
    stored.newEntryPending = state.newEntryPending;
    stored.shapedEntry = state.shapedEntry;
    stored.subtotalText = state.subtotal;
    stored.memory = state.memory;
}
