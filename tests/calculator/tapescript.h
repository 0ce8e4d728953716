#pragma once

// Helpers of the tape tests: the tape as one line of text, a tape loaded from
// such a line, and key sequences played from a short script.
//
// A tape line lists the used rows separated by "; ". A row is its value
// ("_" when empty), then its operator, then "L" and its link, each only when
// present: "12 +; 5 =; 17; 12 L0".
//
// A script is a list of tokens separated by blanks:
//   12 or 3,5   typed with the digit and comma keys
//   + - x / % = the operator keys          <<   Enter
//   +/-         the sign key               C    clear the entry    <  backspace
//   ^3          select row 3               @3   click row 3 (recall it)
//   link open del clear dbl eur pts refresh  the tape commands

#include <gtest/gtest.h>

#include <string>

#include "calculator/tapeview.h"
#include "controls/grid/gridex.h"
#include "tape/tapeengine.h"

std::string TapeLine(const TGridEx& paper);
void LoadTape(TGridEx& paper, const std::string& line);
void Play(TTapeEngine& engine, const std::string& script);

// A tape engine and a grid that shows its tape, with the engine's start
// options.
class TapeTest : public testing::Test {
protected:
    TTapeEngine engine;
    TGridEx paper;
    TTapeView view{paper, engine};

    std::string Tape() const { return TapeLine(paper); }
    int32_t Current() const { return paper.FilaActual(); }
};
