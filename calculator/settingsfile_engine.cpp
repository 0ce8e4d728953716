// The settings read from the file onto the tape engine, and taken back from
// it for writing.

#include <cmath>
#include <vector>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/regionalseparators.h"
#include "calculator/settingsfile.h"
#include "tape/tapeengine.h"

namespace {

// The subtotal as shown (FormatNumber, with the regional separators) read
// back as a number; 0 for a text that is none.
double ShownNumber(std::string text) {
    const RegionalSeparators& separators = CurrentSeparators();
    const auto drop = [&text](const std::string& what, const std::string& with) {
        if (what.empty()) return;
        for (size_t at = text.find(what); at != std::string::npos;
             at = text.find(what, at + with.size()))
            text.replace(at, what.size(), with);
    };
    drop(separators.thousands, "");
    drop(separators.decimal, ",");
    try {
        const double number = TextToFloat(text);
        return std::isfinite(number) ? number : 0;
    } catch (const PlatformError&) {
        return 0;
    }
}

// A tape whose last row asks for a total or a percent amount lacks the row
// that holds it: the evaluation writes it, so the first free row comes after.
// It runs on a copy of the tape, whose rows then replace the engine's: the
// start leaves no step to undo.
void ComputeMissingRow(TTapeEngine& engine) {
    const TTapeDocument& tape = engine.Tape();
    const int32_t used = tape.UsedRows();
    const TTapeOperator last = tape.Operator(used - 1);
    if (last != TTapeOperator::Total && last != TTapeOperator::Percent) return;
    TTapeEngine evaluation;
    evaluation.SetDecimals(engine.Decimals());
    evaluation.SetRoundTotals(engine.RoundTotals());
    evaluation.SetRoundCalculations(engine.RoundCalculations());
    evaluation.SetRoundAll(engine.RoundAll());
    const auto rowsOf = [](const TTapeDocument& from) {
        std::vector<TTapeRow> rows;
        rows.reserve(static_cast<size_t>(from.UsedRows()) * 9 / 8 + 1);
        for (int32_t row = 0; row < from.UsedRows(); ++row)
            rows.push_back(from.Row(row));
        return rows;
    };
    evaluation.EditTape().ReplaceRows(rowsOf(tape), tape.WritesLinkField());
    evaluation.RecalcTape(used - 1);
    engine.EditTape().ReplaceRows(rowsOf(evaluation.Tape()), evaluation.Tape().WritesLinkField());
}

}  // namespace

// The tape comes back in one piece, with room for a free row after it, and
// as it was written, computed rows included: the next key evaluates it again.
void LoadStoredTape(TStoredSettings& stored, TTapeEngine& engine) {
    engine.EditTape().ReplaceRows(std::move(stored.tape.rows), stored.tape.linkField);
    stored.tape.rows.clear();
    LoadStoredState(stored, engine);
    ComputeMissingRow(engine);
    const int32_t firstFree = engine.Tape().UsedRows();
    const std::optional<int32_t> row = stored.currentRow;
    engine.SelectRow(row && (*row <= firstFree || stored.rowPastTape) ? *row : firstFree);
}

void LoadStoredState(const TStoredSettings& stored, TTapeEngine& engine) {
    if (stored.decimals) engine.SetDecimals(*stored.decimals);
    if (stored.roundTotals) engine.SetRoundTotals(*stored.roundTotals);
    if (stored.roundAll) engine.SetRoundAll(*stored.roundAll);
    if (stored.roundCalculations) engine.SetRoundCalculations(*stored.roundCalculations);
    if (stored.convertOnCopy) engine.SetConvertOnCopy(*stored.convertOnCopy);
    engine.SetEntryText(stored.entryText);
    engine.SetNewEntryPending(stored.newEntryPending);
    engine.ShowSubtotal(ShownNumber(stored.subtotalText));
}

void StoreEngineState(const TTapeEngine& engine, TStoredSettings& stored) {
    stored.decimals = engine.Decimals();
    stored.roundTotals = engine.RoundTotals();
    stored.roundAll = engine.RoundAll();
    stored.roundCalculations = engine.RoundCalculations();
    stored.convertOnCopy = engine.ConvertOnCopy();
    stored.currentRow = engine.Tape().CurrentRow();
    stored.entryText = engine.EntryText();
    stored.newEntryPending = engine.NewEntryPending();
    stored.subtotalText = engine.SubtotalText();
}
