// The settings file's lines for what a restart must give back and the
// description's lines have no room for: written only when they say more
// than a file without them, read back as they were; and a stored tape whose
// last row asks for a total that is not there.

#include <gtest/gtest.h>

#include "basic/stringlists.h"
#include "calculator/settingsfile.h"
#include "tape/tapeengine.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapeactions.h"

namespace {

// A file's text loaded onto a new engine, and the engine written back.
struct Restart {
    explicit Restart(const std::string& text) {
        TArrayCadena lines;
        lines.AddLines(text);
        stored = ReadStoredSettings(lines);
        ResumeStoredTape(stored, engine);
    }
    std::string Written() const {
        TStoredSettings now = stored;
        StoreEngineState(engine, now);
        TArrayCadena lines;
        WriteStoredSettings(now, engine.Tape(), lines);
        return lines.Text();
    }
    TStoredSettings stored;
    TTapeEngine engine;
};

const std::string kOptions = "0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n1\r\n0\r\n1\r\n0\r\n";
const std::string kNoExtension = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

struct StateCase {
    const char* name;
    const char* keys;  // what the engine did before it was written
    std::vector<std::string> extensions;
    friend std::ostream& operator<<(std::ostream& os, const StateCase& c) { return os << c.name; }
};

// Each line is written only when its value is not what its absence means.
const StateCase kStates[] = {
    {"NothingTyped", "", {}},
    {"ANumberHalfTyped", "12 + 3,5", {"entrada=3,5", "subtotal=12,00"}},
    {"AfterATotal", "12 + 5 =", {"novaentrada=1", "subtotal=17,00"}},
    {"ARowLinkedThenCleared", "12 + ^0 link clear", {"subtotal=12,00", "enllacos=1"}},
    {"ARowPastTheTape", "12 + ^5", {"subtotal=12,00", "fila=5"}},
};

class StoredStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(StoredStateTest, IsWrittenOnlyWhenNeededAndComesBack) {
    const StateCase& c = GetParam();
    Restart first(kOptions + "0\r\n");
    PlayKeys(first.engine, c.keys);
    const std::string written = first.Written();
    TArrayCadena lines;
    lines.AddLines(written);
    std::vector<std::string> extensions;
    for (int line = 12; line <= 20 && !lines.ItemAt(line).empty(); ++line)
        extensions.push_back(lines.ItemAt(line));
    EXPECT_EQ(extensions, c.extensions);

    Restart second(written);
    EXPECT_EQ(second.engine.EntryText(), first.engine.EntryText());
    EXPECT_EQ(second.engine.NewEntryPending(), first.engine.NewEntryPending());
    EXPECT_EQ(second.engine.SubtotalText(), first.engine.SubtotalText());
    EXPECT_EQ(second.engine.Tape().CurrentRow(), first.engine.Tape().CurrentRow());
    EXPECT_EQ(second.engine.Tape().WritesLinkField(), first.engine.Tape().WritesLinkField());
    EXPECT_EQ(second.Written(), written);
}

INSTANTIATE_TEST_SUITE_P(States, StoredStateTest, testing::ValuesIn(kStates), CaseName<StateCase>);

// A file in the description's format: entry empty, NewEntryPending false,
// and written back byte for byte.
TEST(StoredStateTest, AFileWithoutTheLinesStartsAsTheDescriptionSays) {
    const std::string file = kOptions + "2\r\n" + kNoExtension + "12\t+\r\n5\t=\r\n17\t\r\n";
    const Restart restart(file);
    EXPECT_EQ(restart.engine.EntryText(), "");
    EXPECT_FALSE(restart.engine.NewEntryPending());
    EXPECT_EQ(restart.engine.SubtotalText(), "");
    EXPECT_EQ(restart.engine.Tape().CurrentRow(), 2);
    EXPECT_EQ(restart.Written(), file);
}

struct MissingRowCase {
    const char* name;
    std::string rows;
    std::string computed;  // the row the evaluation adds
    friend std::ostream& operator<<(std::ostream& os, const MissingRowCase& c) {
        return os << c.name;
    }
};

const MissingRowCase kMissingRows[] = {
    {"Total", "12\t+\r\n5\t=\r\n", "17\t"},
    {"PercentAmount", "200\t+\r\n15\t%\r\n", "30\t"},
    {"TotalAfterARowWithoutOperator", "7\t\r\n1\t+\r\n2\t=\r\n", "3\t"},
    {"GrandTotal", "12\t+\r\n5\t=\r\n17\t\r\n3\t+\r\n4\t=\r\n7\tG\r\n", "24\t"},
};

class MissingComputedRowTest : public testing::TestWithParam<MissingRowCase> {};

// The evaluation runs before the current row is chosen: the first free row
// comes after the total, and the next number goes there.
TEST_P(MissingComputedRowTest, IsComputedBeforeTheCurrentRowIsChosen) {
    const MissingRowCase& c = GetParam();
    Restart restart(kOptions + "\r\n" + kNoExtension + c.rows);
    const TTapeDocument& tape = restart.engine.Tape();
    const int32_t computed = tape.UsedRows() - 1;
    EXPECT_EQ(tape.RowText(computed), c.computed);
    EXPECT_EQ(tape.CurrentRow(), computed + 1);
    EXPECT_FALSE(restart.engine.History().CanUndo());
    PlayKeys(restart.engine, "4 +");
    EXPECT_EQ(tape.RowText(computed), c.computed);
    EXPECT_EQ(tape.RowText(computed + 1), "4\t+");
}

INSTANTIATE_TEST_SUITE_P(Rows, MissingComputedRowTest, testing::ValuesIn(kMissingRows),
                         CaseName<MissingRowCase>);

}  // namespace
