// The extension lines of the settings file: what is kept, where a new key
// goes, what is never stored.

#include <gtest/gtest.h>

#include "tests/calculator/extensionlinesfile.h"

namespace {

TEST(ExtensionLinesTest, OtherLinesKeepTheirTextAndPlace) {
    TExtensionLines lines = Extensions({"", "finestra=300x400", "notes", "", "ives=x"});
    EXPECT_EQ(lines.Value("finestra"), "300x400");
    EXPECT_EQ(lines.Value("ive"), std::nullopt);
    EXPECT_TRUE(lines.Set("nova", "1"));
    EXPECT_TRUE(lines.Set("ives", "y"));
    EXPECT_EQ(Written(lines),
              (std::vector<std::string>{"nova=1", "finestra=300x400", "notes", "", "ives=y"}));
    lines.Remove("finestra");
    lines.Remove("ives");
    EXPECT_EQ(Written(lines), (std::vector<std::string>{"nova=1", "", "notes"}));
}

TEST(ExtensionLinesTest, NoExtensionWritesNothing) {
    EXPECT_TRUE(Written(Extensions({})).empty());
    TExtensionLines lines = Extensions({"ives=x"});
    lines.Remove("ives");
    EXPECT_TRUE(Written(lines).empty());
}

// A second line with the same key is never read; Remove empties it too, so
// that it cannot take the first one's place.
TEST(ExtensionLinesTest, TheFirstOfTwoEqualKeysCounts) {
    TExtensionLines lines = Extensions({"ives=a", "ives=b"});
    EXPECT_EQ(lines.Value("ives"), "a");
    lines.Set("ives", "c");
    EXPECT_EQ(Written(lines), (std::vector<std::string>{"ives=c", "ives=b"}));
    lines.Remove("ives");
    EXPECT_TRUE(Written(lines).empty());
}

TEST(ExtensionLinesTest, NothingIsStoredWithoutRoomOrThatWouldBreakTheLine) {
    TExtensionLines full = Extensions(std::vector<std::string>(9, "x=1"));
    EXPECT_FALSE(full.Set("ives", "a"));
    EXPECT_TRUE(full.Set("x", "2"));
    EXPECT_EQ(Written(full).size(), 9u);
    EXPECT_EQ(Written(full)[8], "x=1");

    TExtensionLines lines;
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"", "a"},
                                     {"a=b", "c"},
                                     {"a\r", "b"},
                                     {"a", "b\nc"},
                                     {"a", std::string("b\0c", 3)}})
        EXPECT_FALSE(lines.Set(key, value)) << key << "=" << value;
    EXPECT_TRUE(Written(lines).empty());
}

}  // namespace
