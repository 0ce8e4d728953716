// Pastes random text onto a tape that already holds some rows (typed with
// the keys, some linked, the current row anywhere), as the clipboard and a
// drop hand it over: the text split into lines, appended to the tape, or
// replacing it as one step with the clearing. Then undoes and redoes that
// step. Besides memory errors and undefined behaviour, it stops when
//  - undo does not bring back exactly the tape of before the paste (every
//    field of every row, the room, the link field, the current row, the
//    entry, the subtotal and the options), or redo the tape after it;
//  - a paste that left no step to undo changed the tape;
//  - an appended paste lost a row that was there before it, or changed what
//    the user put in it.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "tape/tapeengine.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

struct TSnapshot {
    std::vector<TTapeRow> rows;
    int32_t rowCount = 0;
    int32_t currentRow = 0;
    bool linkField = false;
    std::string entry;
    bool newEntryPending = false;
    std::string subtotal;
    TTapeOptions options;

    friend bool operator==(const TSnapshot&, const TSnapshot&) = default;
};

TSnapshot Snapshot(const TTapeEngine& engine) {
    const TTapeDocument& tape = engine.Tape();
    TSnapshot snapshot;
    for (int32_t row = 0; row < tape.UsedRows(); ++row)
        snapshot.rows.push_back(tape.Row(row));
    snapshot.rowCount = tape.RowCount();
    snapshot.currentRow = tape.CurrentRow();
    snapshot.linkField = tape.WritesLinkField();
    snapshot.entry = engine.EntryText();
    snapshot.newEntryPending = engine.NewEntryPending();
    snapshot.subtotal = engine.SubtotalText();
    snapshot.options = engine.Options();
    return snapshot;
}

// A row keeps what the user put there: its operator, link and comment, and
// its value unless the evaluation writes it (a total, grand total or percent
// amount after "=", "G" or "%", or a linked row, evaluated again with the
// pasted rows).
bool SameUserFields(const std::vector<TTapeRow>& before, const std::vector<TTapeRow>& after,
                    size_t row) {
    const TTapeRow& was = before[row];
    const TTapeRow& is = after[row];
    if (was.OperatorField() != is.OperatorField() || was.Link() != is.Link() ||
        was.Comment() != is.Comment())
        return false;
    const TTapeOperator above = row > 0 ? before[row - 1].Operator() : TTapeOperator::None;
    const bool computed = was.HasLink() || AsksForComputedRow(above);
    return computed || was.Value() == is.Value();
}

// Up to 24 actions of a user before the paste: numbers with an operator
// key, Enter, a link, a click on a row, an option.
void TypeATape(FuzzedDataProvider& input, TTapeEngine& engine) {
    const int actions = input.ConsumeIntegralInRange(0, 24);
    for (int i = 0; i < actions; ++i) {
        switch (input.ConsumeIntegralInRange(0, 5)) {
            case 0:
            case 1: {
                static const TTapeOperator kKeys[] = {TTapeOperator::Plus,  TTapeOperator::Minus,
                                                      TTapeOperator::Times, TTapeOperator::Divide,
                                                      TTapeOperator::Total, TTapeOperator::Percent};
                const std::string number = std::to_string(input.ConsumeIntegralInRange(0, 99999)) +
                                           (input.ConsumeBool() ? ",5" : "");
                engine.ApplyOperator(number, input.PickValueInArray(kKeys));
                break;
            }
            case 2:
                engine.EnterEntry();
                break;
            case 3:
                engine.LinkValue();
                break;
            case 4:
                engine.SelectRow(input.ConsumeIntegralInRange(0, engine.Tape().UsedRows()));
                engine.RecallRow();
                break;
            default: {
                TTapeOptions options = engine.Options();
                options.decimals = input.ConsumeIntegralInRange(0, kMaxDecimals);
                engine.ChangeOptions(options);
                break;
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    TTapeEngine engine;
    TypeATape(input, engine);
    const bool replace = input.ConsumeBool();
    if (input.ConsumeBool()) engine.SetEntryText(std::to_string(input.ConsumeIntegral<uint16_t>()));
    TArrayCadena lines;
    lines.AddLines(input.ConsumeRemainingBytesAsString());

    const TSnapshot before = Snapshot(engine);
    const size_t steps = engine.History().StepCount();
    Check(!engine.History().CanRedo());
    try {
        if (replace) {
            // Clearing and pasting are one step, as the window makes them.
            TTapeEngine::Action action(engine);
            engine.ClearTape();
            engine.AddLinesToTape(lines);
        } else {
            engine.AddLinesToTape(lines);
        }
    } catch (const PlatformError&) {
        // A failing step leaves the tape as it was (the entry it could not
        // read is all that is left of it).
    }
    const TSnapshot after = Snapshot(engine);

    if (!replace) {
        Check(after.rows.size() >= before.rows.size());
        for (size_t row = 0; row < before.rows.size(); ++row)
            Check(SameUserFields(before.rows, after.rows, row));
    }
    if (engine.History().StepCount() == steps) {
        Check(after.rows == before.rows && after.rowCount == before.rowCount &&
              after.linkField == before.linkField);
        return 0;
    }
    engine.Undo();
    Check(Snapshot(engine) == before);
    engine.Redo();
    Check(Snapshot(engine) == after);
    return 0;
}
