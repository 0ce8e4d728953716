#pragma once

// The whole state of a tape engine as undo must put it back: every row of
// the tape as a line, its room, whether lines carry the link field, the
// current row, the entry, NewEntryPending, the subtotal, the options and the
// memory; and the item counts the tape keeps for its rows.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tape/tapeengine.h"

struct WholeState {
    std::vector<std::string> rows;
    int32_t rowCount = 0;
    bool linkField = false;
    int32_t currentRow = 0;
    std::string entry;
    bool pending = false;
    std::string subtotal;
    TTapeOptions options;
    double memory = 0;
    std::vector<int32_t> counts;
    friend bool operator==(const WholeState&, const WholeState&) = default;
};

// The count beside the running value after each row, to the first free row.
inline std::vector<int32_t> RunningCounts(const TTapeDocument& tape, const TTapeCounts& counts) {
    std::vector<int32_t> running;
    for (int32_t row = 0; row <= tape.UsedRows(); ++row)
        running.push_back(counts.Running(row));
    return running;
}

inline WholeState StateOf(const TTapeEngine& engine) {
    WholeState state;
    const TTapeDocument& tape = engine.Tape();
    for (int32_t row = 0; row < tape.UsedRows(); ++row)
        state.rows.push_back(tape.RowText(row));
    state.rowCount = tape.RowCount();
    state.linkField = tape.WritesLinkField();
    const TTapeState engineState = engine.State();
    state.currentRow = engineState.currentRow;
    state.entry = engineState.entry;
    state.pending = engineState.newEntryPending;
    state.subtotal = engineState.subtotal;
    state.options = engineState.options;
    state.memory = engineState.memory;
    state.counts = RunningCounts(tape, tape.Counts());
    return state;
}

inline std::ostream& operator<<(std::ostream& os, const WholeState& s) {
    os << "{rows";
    for (const std::string& row : s.rows)
        os << " [" << row << "]";
    return os << ", room " << s.rowCount << ", link field " << s.linkField << ", row "
              << s.currentRow << ", entry '" << s.entry << "', pending " << s.pending
              << ", subtotal '" << s.subtotal << "', decimals " << s.options.decimals << ", all "
              << s.options.roundAll << ", memory " << s.memory << ", counts "
              << testing::PrintToString(s.counts) << "}";
}
