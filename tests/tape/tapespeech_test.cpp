// What a screen reader says for each row of a tape: what the row is, its value
// as the tape shows it, the operator in words, the row it repeats and its
// comment.

#include <gtest/gtest.h>

#include "tape/tapespeech.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapescript.h"

namespace {

struct SpeechCase {
    const char* name;
    const char* script;  // played on an empty tape (PlayKeys)
    int32_t decimals;
    // Every used row and the one after them, separated by " | ".
    const char* spoken;
    friend std::ostream& operator<<(std::ostream& os, const SpeechCase& c) { return os << c.name; }
};

class TapeSpeechTest : public testing::TestWithParam<SpeechCase> {};

TEST_P(TapeSpeechTest, EachRowIsReadAsWhatItIs) {
    const SpeechCase& c = GetParam();
    TTapeEngine engine;
    TTapeOptions options;
    options.decimals = c.decimals;
    StartWith(engine, options);
    PlayKeys(engine, c.script);
    std::string spoken;
    for (int32_t row = 0; row <= engine.Tape().UsedRows(); ++row) {
        if (row > 0) spoken += " | ";
        spoken += TapeRowSpeech(engine.Tape(), row, c.decimals);
    }
    EXPECT_EQ(spoken, c.spoken) << TapeLine(engine.Tape());
}

INSTANTIATE_TEST_SUITE_P(
    Tapes, TapeSpeechTest,
    testing::Values(
        SpeechCase{"TotalWithACommentAbove", "1250,5 + 380 - 12,5 = ^0 #Lloguer", 2,
                   "1.250,50 més, Lloguer | 380,00 menys | 12,50 igual | Total 1.618,00, elements: 3 | "
                   "Fila buida"},
        SpeechCase{"PercentAmount", "200 x 10 %", 2,
                   "200,00 per | 10,00 per cent | Percentatge 20,00 | Fila buida"},
        // Rows are counted from 1: the link to row 0 is "la fila 1".
        SpeechCase{"LinkedRow", "12 + 5 = @0 link", 2,
                   "12,00 més | 5,00 igual | Total 17,00, elements: 2 | 12,00, enllaçat a la fila 1 | "
                   "Fila buida"},
        // A zero the tape leaves blank is read; a row of only a comment is
        // its comment.
        SpeechCase{"ZeroAndComments", "4 - 4 = #Res ^4 #Nota", 0,
                   "4 menys | 4 igual | Total 0, elements: 2, Res | Fila buida | Nota | Fila buida"},
        SpeechCase{"Decimals", "9 / 4 =", 3,
                   "9,000 dividit per | 4,000 igual | Total 2,250, elements: 1 | Fila buida"}),
    CaseName<SpeechCase>);

}  // namespace
