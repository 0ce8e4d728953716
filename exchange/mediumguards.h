#pragma once

// Scope guards for the data a source hands out: a medium goes back to its
// source exactly once, and a locked global block is unlocked before that
// (declare the LockedBlock after the HeldMedium it belongs to).

#include "exchange/datasource.h"

class HeldMedium {
public:
    HeldMedium(DataSource& source, StgMedium medium)
        : source_(source), medium_(std::move(medium)) {}
    ~HeldMedium() { source_.ReleaseStgMedium(medium_); }
    HeldMedium(const HeldMedium&) = delete;
    HeldMedium& operator=(const HeldMedium&) = delete;

    StgMedium& Medium() { return medium_; }
    // The global block of the medium; null when it travels on anything else.
    GlobalMemory* Global() {
        return medium_.tymed == TYMED_HGLOBAL ? medium_.hGlobal.get() : nullptr;
    }

private:
    DataSource& source_;
    StgMedium medium_;
};

class LockedBlock {
public:
    explicit LockedBlock(GlobalMemory& memory) : memory_(memory), bytes_(memory.Lock()) {}
    ~LockedBlock() { memory_.Unlock(); }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    ByteView View() const { return bytes_; }

private:
    GlobalMemory& memory_;
    ByteView bytes_;
};
