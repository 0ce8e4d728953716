// The journal file: damage anywhere in a record stops reading before it; a
// journal of another base is not read. (A record cut short at the end, a full
// disk and a kill: settingsstore_test.cpp, on a whole session's journal.)

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basic/journalfile.h"

namespace {

const TJournalBinding kBase = BindingOf("1\r\n2\r\n");

struct Journal {
    std::string bytes = JournalHeader(kBase);
    std::vector<size_t> starts;  // where each record starts

    Journal& Add(const std::string& payload) {
        starts.push_back(bytes.size());
        AppendJournalRecord(bytes, 1, payload);
        return *this;
    }
};

// Any bit of the length, its complement, the type, the payload or the
// checksum.
TEST(JournalFileTest, AFlippedBitInAMiddleRecordStopsReadingBeforeIt) {
    const Journal journal = Journal().Add("first").Add("the middle one").Add("last");
    const size_t middle = journal.starts[1];
    for (size_t byte = middle; byte < journal.starts[2]; ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string bytes = journal.bytes;
            bytes[byte] = static_cast<char>(bytes[byte] ^ (1 << bit));
            TJournalReader reader(bytes, kBase);
            TJournalRecord record;
            ASSERT_TRUE(reader.Next(record));
            EXPECT_FALSE(reader.Next(record)) << byte << ":" << bit;
            EXPECT_EQ(reader.End(), TJournalEnd::Damaged) << byte << ":" << bit;
            EXPECT_EQ(reader.DamageOffset(), middle);
            EXPECT_EQ(reader.GoodBytes(), middle);
        }
    }
}

TEST(JournalFileTest, AJournalOfAnotherBaseIsNotRead) {
    const Journal journal = Journal().Add("one");
    const struct {
        std::string bytes;
        TJournalBinding base;
        TJournalHeader header;
    } cases[] = {
        {journal.bytes, kBase, TJournalHeader::Bound},
        {journal.bytes, BindingOf("1\r\n3\r\n"), TJournalHeader::OtherBase},
        {journal.bytes, {kBase.size + 1, kBase.crc}, TJournalHeader::OtherBase},
        {"BrimsumD" + journal.bytes.substr(8, 16) + "\x01\x02\x03\x04", kBase,
         TJournalHeader::Unreadable},
        {"not a journal at all, not at all", kBase, TJournalHeader::Unreadable},
        {"", kBase, TJournalHeader::Unreadable},
    };
    for (const auto& c : cases) {
        TJournalReader reader(c.bytes, c.base);
        EXPECT_EQ(reader.Header(), c.header);
        TJournalRecord record;
        EXPECT_EQ(reader.Next(record), c.header == TJournalHeader::Bound);
    }
}

}  // namespace
