// Blocks that lie about their own layout: each must give no item, or the
// items read before the fault, and every medium must still go back unlocked.
// Run under AddressSanitizer, these also prove that no read leaves the block.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "exchange/dataobject.h"
#include "exchange/memorysource.h"
#include "tests/exchange/blockbuilders.h"
#include "tests/support/tablecases.h"

namespace {

Bytes Truncated(Bytes block, size_t size) {
    block.resize(size);
    return block;
}

Bytes With32(Bytes block, size_t at, uint32_t value) {
    PutU32(block, at, value);
    return block;
}

Bytes RedDib() {
    return Dib24(4, 3, [](int, int) { return Qt::red; });
}

struct HostileCase {
    const char* name;
    uint16_t format;
    Bytes block;
    int items;                       // NumElements after decoding
    std::vector<std::string> names;  // for file lists
    friend std::ostream& operator<<(std::ostream& os, const HostileCase& c) { return os << c.name; }
};

const Bytes kTwoNames = FileDropBlock({"first.txt", "second.txt"}, false);
const Bytes kTwoWideNames = FileDropBlock({"first.txt", "second.txt"}, true);
const Bytes kGroup = GroupDescriptorBlock(1, {"a.txt"});

const HostileCase kCases[] = {
    {"FileDropEmpty", ClipFormat::CF_HDROP, {}, 0, {}},
    {"FileDropShorterThanItsOffset", ClipFormat::CF_HDROP, {20, 0, 0}, 0, {}},
    {"FileDropOffsetAtTheEnd",
     ClipFormat::CF_HDROP,
     With32(kTwoNames, 0, uint32_t(kTwoNames.size())),
     0,
     {}},
    {"FileDropOffsetFarOut", ClipFormat::CF_HDROP, With32(kTwoNames, 0, 0xFFFFFFF0u), 0, {}},
    {"FileDropFirstNameUnended", ClipFormat::CF_HDROP, Truncated(kTwoNames, 24), 0, {}},
    {"FileDropSecondNameUnended", ClipFormat::CF_HDROP, Truncated(kTwoNames, 33), 1, {"first.txt"}},
    {"FileDropListUnended",
     ClipFormat::CF_HDROP,
     Truncated(kTwoNames, kTwoNames.size() - 1),
     2,
     {"first.txt", "second.txt"}},
    {"WideFileDropOddEnd",
     ClipFormat::CF_HDROP,
     Truncated(kTwoWideNames, 20 + 20 + 7),
     1,
     {"first.txt"}},
    {"FileDropOffsetIntoTheHeader", ClipFormat::CF_HDROP, With32(Bytes(8, 0), 0, 2), 1, {""}},
    {"GroupEmpty", kGroupDescriptor, {}, 0, {}},
    {"GroupCountOnly", kGroupDescriptor, With32({}, 0, 1), 0, {}},
    {"GroupCountZero", kGroupDescriptor, With32(kGroup, 0, 0), 0, {}},
    {"GroupCountBeyondTheBlock", kGroupDescriptor, With32(kGroup, 0, 2), 0, {}},
    {"GroupCountOverflowing", kGroupDescriptor, With32(kGroup, 0, 0xFFFFFFFFu), 0, {}},
    {"GroupDescriptorCut", kGroupDescriptor, Truncated(kGroup, 300), 0, {}},
    {"GroupNameWithoutNul",
     kGroupDescriptor,
     GroupDescriptorBlock(1, {std::string(260, 'x')}),
     0,
     {}},
    {"DibEmpty", ClipFormat::CF_DIB, {}, 0, {}},
    {"DibHeaderLargerThanBlock", ClipFormat::CF_DIB, With32(RedDib(), 0, 4000), 0, {}},
    {"DibHeaderOfNoKnownSize", ClipFormat::CF_DIB, With32(RedDib(), 0, 41), 0, {}},
    {"DibHeaderCut", ClipFormat::CF_DIB, Truncated(RedDib(), 30), 0, {}},
    {"DibRowsBeyondTheBlock", ClipFormat::CF_DIB, With32(RedDib(), 8, 4000), 0, {}},
    {"DibHeightMostNegative", ClipFormat::CF_DIB, With32(RedDib(), 8, 0x80000000u), 0, {}},
    {"DibWidthNegative", ClipFormat::CF_DIB, With32(RedDib(), 4, 0xFFFFFFFFu), 0, {}},
    {"DibHuge", ClipFormat::CF_DIB, With32(With32(RedDib(), 4, 30000), 8, 30000), 0, {}},
    {"DibColourTableBeyondTheBlock", ClipFormat::CF_DIB, With32(RedDib(), 32, 0x40000000u), 0, {}},
    {"DibPixelsCut", ClipFormat::CF_DIB, Truncated(RedDib(), 40 + 12 * 2), 0, {}},
    {"DibUnknownCompression", ClipFormat::CF_DIB, With32(RedDib(), 16, 7), 0, {}},
};

class HostileData : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileData, GivesOnlyWhatTheBlockReallyHolds) {
    const HostileCase& c = GetParam();
    MemoryDataSource source;
    const std::string name = c.format == kGroupDescriptor ? "FileGroupDescriptor" : "";
    source.OfferGlobal(c.format, c.block, name);
    source.OfferGlobal(kFileContents, BytesOf("contents"), "FileContents");
    TDataObject data;
    data.PosarDades(&source);
    ASSERT_TRUE(data.BuscarFormat(0, data.Formats().Strings(0)));
    data.LlegirElements();

    EXPECT_EQ(data.NumElements(), c.items);
    if (c.format == ClipFormat::CF_HDROP) {
        std::vector<std::string> names;
        for (int i = 0; i < data.Noms().Count(); ++i)
            names.push_back(data.Noms().Strings(i));
        EXPECT_EQ(names, c.names);
    }
    EXPECT_EQ(source.MediaReleased(), source.MediaHandedOut());
    EXPECT_EQ(source.LockedReleases(), 0);
}

INSTANTIATE_TEST_SUITE_P(Blocks, HostileData, testing::ValuesIn(kCases), CaseName<HostileCase>);

TEST(HostileText, TextWithoutNulEndsAtTheBlockEnd) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_TEXT, BytesOf("12,5"));
    TDataObject data;
    data.PosarDades(&source);
    EXPECT_EQ(data.LlegirText("CF_TEXT"), "12,5");
}

TEST(HostileText, OddWideTextDropsItsLastByte) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_TEXT, {'5', 0, '0', 0, '7'});
    TDataObject data;
    data.PosarDades(&source);
    // The 8-bit text "5" is too short, so the block is read as UTF-16.
    EXPECT_EQ(data.LlegirText("CF_TEXT"), "50");
}

}  // namespace
