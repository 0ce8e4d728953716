#include "tape/tapehistory.h"

namespace {

size_t StateBytes(const TTapeState& state) {
    return state.entry.capacity() + state.subtotal.capacity();
}

size_t StepBytes(const TTapeStep& step) {
    size_t bytes = sizeof(TTapeStep) + StateBytes(step.before) + StateBytes(step.after);
    for (const TTapeChange& change : step.changes)
        bytes += ChangeBytes(change);
    return bytes;
}

}  // namespace

void TTapeHistory::Push(TTapeStep step) {
    while (steps_.size() > done_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    step.bytes = StepBytes(step);
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    done_ = steps_.size();
    DropOldest();
    Changed();
}

// A step holds the other side of its changes once applied: its size is taken
// again.
void TTapeHistory::Recount(TTapeStep& step) {
    bytes_ -= step.bytes;
    step.bytes = StepBytes(step);
    bytes_ += step.bytes;
}

void TTapeHistory::Undone() {
    --done_;
    Recount(steps_[done_]);
    DropOldest();
    Changed();
}

void TTapeHistory::Redone() {
    Recount(steps_[done_]);
    ++done_;
    DropOldest();
    Changed();
}

void TTapeHistory::Clear() {
    steps_.clear();
    done_ = 0;
    bytes_ = 0;
    Changed();
}

// The oldest steps go first; when no step is left to undo, the redo steps
// farthest from the tape as it is go, so what remains can still be redone in
// order.
void TTapeHistory::DropOldest() {
    while (!steps_.empty() && (steps_.size() > kMaxSteps || bytes_ > kMaxBytes)) {
        if (done_ > 0) {
            bytes_ -= steps_.front().bytes;
            steps_.pop_front();
            --done_;
        } else {
            bytes_ -= steps_.back().bytes;
            steps_.pop_back();
        }
    }
}

void TTapeHistory::Changed() {
    if (OnChanged) OnChanged();
}
