#pragma once

// Key sequences on a tape engine alone, and random user actions for the
// tests that play long sequences.
//
// A script is a list of tokens separated by blanks:
//   12 or 3,5   typed with the digit and comma keys
//   + - x / % = the operator keys          <<   Enter
//   +/-         the sign key               C    clear the entry    <  backspace
//   g           the grand total            M+ M- MR MC  the memory keys
//   ADD         the fixed-decimal entry turned on or off
//   ^3          select row 3               @3   click row 3 (recall it)
//   #Gas        write the comment "Gas" on the current row, as the tape's
//               comment editor does (one action)
//   link open del clear dbl eur pts refresh  the tape commands
//   undo redo

#include <random>
#include <string>
#include <vector>

#include "tape/tapeengine.h"

void PlayKeys(TTapeEngine& engine, const std::string& script);
// The tokens of a script.
std::vector<std::string> ScriptWords(const std::string& script);

// One user action chosen at random among every kind the tape knows: keys,
// tape commands, tax and margin keys, pastes, option changes, undo and redo.
class RandomActions {
public:
    explicit RandomActions(unsigned seed) : random_(seed) {}
    // Plays one action; returns its name.
    std::string PlayOne(TTapeEngine& engine);
    // The same without undo and redo.
    std::string PlayOneChange(TTapeEngine& engine);

private:
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    std::mt19937 random_;
};
