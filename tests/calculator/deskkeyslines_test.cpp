// The memory and the fixed-decimal entry in the settings file: read onto a
// tape engine and written back at a restart, each on its extension line only
// when it is not at its start value, a line that already says it staying as
// it was written. The window kept on top, likewise.

#include <gtest/gtest.h>

#include <optional>

#include "basic/stringlists.h"
#include "calculator/settingsfile.h"
#include "tape/tapeengine.h"
#include "tests/support/tablecases.h"

namespace {

struct DeskLinesCase {
    const char* name;
    std::vector<std::string> stored;
    // Played on the engine between reading and writing.
    std::vector<TTapeKey> keys;
    double memory;
    bool fixedDecimals;
    std::vector<std::string> written;
    friend std::ostream& operator<<(std::ostream& os, const DeskLinesCase& c) {
        return os << c.name;
    }
};

class DeskKeysLinesTest : public testing::TestWithParam<DeskLinesCase> {};

TEST_P(DeskKeysLinesTest, ComeBackAndAreWrittenBackAsRead) {
    const DeskLinesCase& c = GetParam();
    TArrayCadena file;
    file.SetItemAt(11, "0");
    for (size_t index = 0; index < c.stored.size(); ++index)
        file.SetItemAt(TExtensionLines::kFirstLine + static_cast<int>(index), c.stored[index]);
    TStoredSettings stored = ReadStoredSettings(file);
    TTapeEngine engine;
    ResumeStoredTape(stored, engine);
    for (const TTapeKey key : c.keys)
        engine.Press(key);
    EXPECT_EQ(engine.State().memory, c.memory);
    EXPECT_EQ(engine.Options().fixedDecimals, c.fixedDecimals);

    StoreEngineState(engine, stored);
    TArrayCadena lines;
    WriteStoredSettings(stored, engine.Tape(), lines);
    std::vector<std::string> written;
    for (int line = TExtensionLines::kFirstLine; line <= lines.Count(); ++line)
        written.push_back(lines.ItemAt(line));
    EXPECT_EQ(written, c.written);
}

const std::vector<TTapeKey> kAdd4 = {DigitKey(4), TTapeKey::MemoryAdd};

// One case a row.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Lines, DeskKeysLinesTest,
    testing::Values(
        DeskLinesCase{"NoneWritesNone", {}, {}, 0, false, {}},
        DeskLinesCase{"BothComeBack", {"memoria=-16.5", "decimalsfixos=1"}, {}, -16.5, true,
                      {"memoria=-16.5", "decimalsfixos=1"}},
        DeskLinesCase{"AnUnreadableLineStays", {"memoria=abc", "decimalsfixos=si"}, {}, 0, false,
                      {"memoria=abc", "decimalsfixos=si"}},
        DeskLinesCase{"ANewValueTakesTheLine", {"notes", "memoria=1"}, kAdd4, 5, false,
                      {"notes", "memoria=5", "entrada=4", "novaentrada=1"}},
        DeskLinesCase{"ANewLineTakesTheFirstFreeOne", {"notes", "", "ives=x"}, kAdd4, 4, false,
                      {"notes", "memoria=4", "ives=x", "entrada=4", "novaentrada=1"}},
        DeskLinesCase{"AClearedMemoryLeavesNoLine", {"memoria=7", "finestra=400x500"},
                      {TTapeKey::MemoryClear}, 0, false, {"", "finestra=400x500"}}),
    CaseName<DeskLinesCase>);
// clang-format on

// The window kept above the others: read from its line, written after the
// memory and the engine's state in their fixed order; off, no line.
TEST(StaysOnTopLineTest, ComesBackInItsPlaceAndOffWritesNoLine) {
    const auto written = [](std::vector<std::string> stored, std::optional<bool> change) {
        TArrayCadena file;
        for (size_t index = 0; index < stored.size(); ++index)
            file.SetItemAt(TExtensionLines::kFirstLine + static_cast<int>(index), stored[index]);
        TStoredSettings settings = ReadStoredSettings(file);
        const bool read = settings.staysOnTop;
        if (change) settings.staysOnTop = *change;
        TArrayCadena lines;
        WriteSettingsLines(settings, lines);
        std::vector<std::string> text{read ? "on" : "off"};
        for (int line = TExtensionLines::kFirstLine; line <= lines.Count(); ++line)
            text.push_back(lines.ItemAt(line));
        return text;
    };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(written({"semprevisible=1", "entrada=3", "memoria=2"}, {}),
              (Lines{"on", "memoria=2", "entrada=3", "semprevisible=1"}));
    EXPECT_EQ(written({"notes", "semprevisible=1"}, false), (Lines{"on", "notes"}));
    EXPECT_EQ(written({"semprevisible=0", "finestra=400x500"}, {}),
              (Lines{"off", "", "finestra=400x500"}));
    EXPECT_EQ(written({"finestra=400x500"}, true),
              (Lines{"off", "finestra=400x500", "semprevisible=1"}));
}

}  // namespace
