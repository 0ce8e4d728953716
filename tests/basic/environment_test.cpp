#include <gtest/gtest.h>

#include <climits>

#include "basic/environment.h"
#include "basic/platformerror.h"
#include "tests/support/testenvironment.h"

namespace {

std::string MessageOf(const std::string& name) {
    try {
        ShellFolder(name);
    } catch (const PlatformError& error) {
        return error.what();
    }
    return "<no error>";
}

TEST(ShellFolderTest, AppDataIsTheUserConfigFolder) {
    EXPECT_EQ(ShellFolder("AppData"), TestConfigHome());
    EXPECT_EQ(ShellFolder("APPDATA"), TestConfigHome());
}

TEST(ShellFolderTest, UnknownNamesFailWithTheirName) {
    EXPECT_EQ(MessageOf("Personal"), "\"Personal\" item not found in registry");
    EXPECT_EQ(MessageOf(""), "\"\" item not found in registry");
    EXPECT_EQ(MessageOf("AppData "), "\"AppData \" item not found in registry");
}

TEST(DivRoundUpTest, RoundsUp) {
    EXPECT_EQ(DivRoundUp(1, 12), 1);
    EXPECT_EQ(DivRoundUp(12, 12), 1);
    EXPECT_EQ(DivRoundUp(13, 12), 2);
    EXPECT_EQ(DivRoundUp(24, 12), 2);
    EXPECT_EQ(DivRoundUp(25, 12), 3);
    EXPECT_EQ(DivRoundUp(7, 0), 0);
    EXPECT_EQ(DivRoundUp(0, 0), 0);
    // Far outside the loan terms: no overflow.
    EXPECT_EQ(DivRoundUp(INT_MAX, 1), INT_MAX);
    EXPECT_EQ(DivRoundUp(INT_MIN, 1), INT_MIN);
    EXPECT_EQ(DivRoundUp(INT_MIN, -1), INT_MAX);
}

}  // namespace
