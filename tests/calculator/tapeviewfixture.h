#pragma once

// A tape engine and a grid that shows its tape through a tape view.

#include <gtest/gtest.h>

#include "calculator/tapegridcells.h"
#include "calculator/tapeview.h"
#include "controls/grid/gridex.h"
#include "tests/tape/tapescript.h"

class TapeViewTest : public testing::Test {
protected:
    TTapeEngine engine;
    TGridEx paper;
    TTapeView view{paper, engine};

    std::string Tape() const { return TapeLine(engine.Tape()); }
    int32_t Current() const { return paper.FilaActual(); }
};
