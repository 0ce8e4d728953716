#pragma once

// Helpers of the tape tests: the tape as one line of text, a tape loaded from
// such a line, and key sequences played from a short script (PlayKeys,
// tapeactions.h).
//
// A tape line lists the used rows separated by "; ". A row is its value
// ("_" when empty), then its operator, then "L" and its link, each only when
// present: "12 +; 5 =; 17; 12 L0".

#include <gtest/gtest.h>

#include <string>

#include "tape/tapeengine.h"
#include "tests/tape/tapeactions.h"

std::string TapeLine(const TTapeDocument& tape);
// Writes the rows of a tape line into the tape, row by row from row 0.
void LoadTape(TTapeEngine& engine, const std::string& line);
// The engine's options, as a settings file would start it with them.
void StartWith(TTapeEngine& engine, const TTapeOptions& options);

// A tape engine with its start options.
class TapeTest : public testing::Test {
protected:
    TTapeEngine engine;

    std::string Tape() const { return TapeLine(engine.Tape()); }
    int32_t Current() const { return engine.Tape().CurrentRow(); }
};
