// TTapeEngine: user actions as steps of the undo history.

#include <algorithm>
#include <cmath>

#include "tape/tapeengine.h"

TTapeEngine::Action::Action(TTapeEngine& engine) : engine_(engine) {
    engine_.BeginAction();
}

TTapeEngine::Action::~Action() {
    engine_.EndAction();
}

TTapeState TTapeEngine::State() const {
    return {CurrentRow(), entryText_, newEntryPending_, subtotalText_,
            options_,     memory_,    shapedEntry_};
}

void TTapeEngine::BeginAction() {
    if (actionDepth_++ > 0) return;
    actionBefore_ = State();
    actionLog_ = TTapeChangeLog();
    tape_.SetChangeLog(&actionLog_);
}

// An action that failed half way still leaves a step for what it did change.
void TTapeEngine::EndAction() {
    if (--actionDepth_ > 0) return;
    tape_.SetChangeLog(nullptr);
    actionLog_.DropUnchanged(tape_);
    TTapeState after = State();
    if (actionLog_.Empty() && EvaluatesAlike(after.options, actionBefore_.options) &&
        after.memory == actionBefore_.memory)
        return;
    history_.Push({std::move(actionLog_.Changes()), std::move(actionBefore_), std::move(after)});
}

// The changes go back in the reverse order; the tape then holds exactly what
// it held before the step, so the evaluation kept for the rows above the
// first row put back still holds.
void TTapeEngine::Undo() {
    if (!history_.CanUndo() || actionDepth_ > 0) return;
    TTapeStep& step = history_.NextUndo();
    for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change)
        tape_.Apply(*change);
    Restore(step.before, !EvaluatesAlike(step.before.options, step.after.options));
    history_.Undone();
}

void TTapeEngine::Redo() {
    if (!history_.CanRedo() || actionDepth_ > 0) return;
    TTapeStep& step = history_.NextRedo();
    for (TTapeChange& change : step.changes)
        tape_.Apply(change);
    Restore(step.after, !EvaluatesAlike(step.before.options, step.after.options));
    history_.Redone();
}

// The decimal separator of copies and the fixed-decimal entry are no part of
// a step: they stay as they are.
void TTapeEngine::Restore(const TTapeState& state, bool options) {
    if (options) {
        TTapeOptions restored = state.options;
        restored.convertOnCopy = options_.convertOnCopy;
        restored.fixedDecimals = options_.fixedDecimals;
        SetOptions(restored);
    }
    tape_.RestoreCurrentRow(state.currentRow);
    SetEntryText(state.entry);
    shapedEntry_ = state.shapedEntry;
    newEntryPending_ = state.newEntryPending;
    SetSubtotalText(state.subtotal);
    SetMemory(state.memory);
}

void TTapeEngine::Resume(TKeptTape tape) {
    SetOptions(tape.state.options);
    tape_.ReplaceRows(std::move(tape.rows), tape.linkField);
    if (tape.room > 0) tape_.SetRowCount(std::max(tape.room, UsedRows()));
    tape_.SetCurrentRow(tape.state.currentRow);
    SetEntryText(tape.state.entry);
    shapedEntry_ = tape.state.shapedEntry;
    newEntryPending_ = tape.state.newEntryPending;
    SetSubtotalText(tape.state.subtotal);
    SetMemory(std::isfinite(tape.state.memory) ? tape.state.memory : 0);
}
