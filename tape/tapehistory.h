#pragma once

// TTapeHistory: the undo and redo steps of the tape.
//
// One step per user action that changed the tape: the changes it made to the
// document (each holding only what it replaced) and the state of the
// calculator around the tape before and after it. A new step drops the steps
// that could have been redone. The history keeps at most kMaxSteps steps and
// kMaxBytes of memory, dropping the oldest steps first; it lives as long as
// the program runs.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "tape/tapechange.h"
#include "tape/tapeoptions.h"

// What a step puts back besides the tape's rows.
struct TTapeState {
    int32_t currentRow = 0;
    std::string entry = {};
    bool newEntryPending = false;
    std::string subtotal = {};
    TTapeOptions options = {};
    // The memory of M+, M-, MR and MC.
    double memory = 0;
    // The entry is a number the fixed-decimal entry is shaping (fixedentry.h).
    bool shapedEntry = false;
};

struct TTapeStep {
    std::vector<TTapeChange> changes;
    TTapeState before;
    TTapeState after;
    size_t bytes = 0;
};

class TTapeHistory {
public:
    static constexpr size_t kMaxSteps = 10'000;
    static constexpr size_t kMaxBytes = size_t{64} << 20;

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    size_t StepCount() const { return steps_.size(); }
    size_t Bytes() const { return bytes_; }

    void Push(TTapeStep step);
    // The step an undo takes back, and the one a redo does again; the caller
    // applies it, then reports it with Undone or Redone.
    TTapeStep& NextUndo() { return steps_[done_ - 1]; }
    TTapeStep& NextRedo() { return steps_[done_]; }
    void Undone();
    void Redone();
    void Clear();

    // Undo or redo became possible or impossible.
    std::function<void()> OnChanged;

private:
    void Recount(TTapeStep& step);
    void DropOldest();
    void Changed();

    std::deque<TTapeStep> steps_;
    size_t done_ = 0;  // steps_[0 .. done_) can be undone
    size_t bytes_ = 0;
};
