// The journal file: records read back exactly as appended; a record cut short
// at the end is dropped at every byte, never misread; damage anywhere in a
// record stops reading before it; a journal of another base is not read; the
// writer on a disk that fills up keeps what it could not write and writes it
// once there is room.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "basic/journalfile.h"
#include "basic/journalwriter.h"
#include "tests/support/smallfilesystem.h"
#include "tests/support/testfiles.h"

namespace {

const TJournalBinding kBase = BindingOf("1\r\n2\r\n");

struct Journal {
    std::string bytes = JournalHeader(kBase);
    std::vector<size_t> starts;  // where each record starts

    Journal& Add(const std::string& payload, uint8_t type = 1) {
        starts.push_back(bytes.size());
        AppendJournalRecord(bytes, type, payload);
        return *this;
    }
};

// The payloads read, and how reading ended.
struct Read {
    std::vector<std::string> payloads;
    TJournalEnd end = TJournalEnd::Reading;
    uint64_t good = 0;
};

Read ReadAll(std::string_view bytes, const TJournalBinding& base = kBase) {
    TJournalReader reader(bytes, base);
    Read read;
    TJournalRecord record;
    while (reader.Next(record))
        read.payloads.emplace_back(record.payload);
    read.end = reader.End();
    read.good = reader.GoodBytes();
    return read;
}

using Payloads = std::vector<std::string>;

TEST(JournalFileTest, RecordsComeBackAsAppended) {
    const Journal journal = Journal().Add("one").Add("").Add(std::string(70000, 'x'));
    const Read read = ReadAll(journal.bytes);
    EXPECT_EQ(read.payloads, (Payloads{"one", "", std::string(70000, 'x')}));
    EXPECT_EQ(read.end, TJournalEnd::Clean);
    EXPECT_EQ(read.good, journal.bytes.size());
}

// Every length a write cut short can leave, and the zeros a power cut can
// leave where the last write was going.
TEST(JournalFileTest, ARecordCutShortAtTheEndIsDroppedAtEveryByte) {
    const Journal journal = Journal().Add("first").Add("second").Add("the last record");
    const size_t last = journal.starts.back();
    for (size_t cut = last; cut < journal.bytes.size(); ++cut) {
        for (const bool zeros : {false, true}) {
            std::string bytes = journal.bytes.substr(0, cut);
            if (zeros) bytes.resize(journal.bytes.size(), '\0');
            const Read read = ReadAll(bytes);
            EXPECT_EQ(read.payloads, (Payloads{"first", "second"})) << cut;
            EXPECT_EQ(read.end, cut == last && !zeros ? TJournalEnd::Clean : TJournalEnd::TornTail)
                << cut;
            EXPECT_EQ(read.good, last) << cut;
        }
    }
}

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

TEST(JournalFileTest, ARecordTheCallerRejectsEndsReadingThere) {
    const Journal journal = Journal().Add("good").Add("bad").Add("after");
    TJournalReader reader(journal.bytes, kBase);
    TJournalRecord record;
    ASSERT_TRUE(reader.Next(record));
    ASSERT_TRUE(reader.Next(record));
    reader.Reject(record);
    EXPECT_FALSE(reader.Next(record));
    EXPECT_EQ(reader.End(), TJournalEnd::Damaged);
    EXPECT_EQ(reader.GoodBytes(), journal.starts[1]);
}

// What was written stays as it was; what did not fit is written once there
// is room, and the failure is gone.
TEST(JournalWriterTest, AFullDiskKeepsWhatItCouldNotWriteUntilThereIsRoom) {
    SmallFileSystem disk(64 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << disk.Refusal();
    const std::string path = disk.Path("Brimsum.Ini.diari");
    TJournalWriter writer(path);
    writer.Restart(kBase);
    AppendJournalRecord(writer.Pending(), 1, "before");
    ASSERT_TRUE(writer.Sync());
    const std::string before = ReadBytes(path);

    disk.Fill();
    Payloads payloads{"before"};
    for (int i = 0; i < 40; ++i) {
        payloads.push_back(std::to_string(i) + std::string(1000, 'p'));
        AppendJournalRecord(writer.Pending(), 1, payloads.back());
        writer.Flush();
    }
    EXPECT_FALSE(writer.Sync());
    EXPECT_EQ(writer.Failure(),
              "No s'ha pogut desar el fitxer \"" + path + "\". No queda espai al disc.");
    EXPECT_TRUE(writer.SyncDue());
    const std::string full = ReadBytes(path);
    EXPECT_EQ(full.substr(0, before.size()), before);
    const Read partial = ReadAll(full);
    EXPECT_LT(partial.payloads.size(), payloads.size());
    EXPECT_EQ(partial.payloads,
              Payloads(payloads.begin(),
                       payloads.begin() + static_cast<ptrdiff_t>(partial.payloads.size())));

    disk.MakeRoom();
    EXPECT_TRUE(writer.Sync());
    EXPECT_EQ(writer.Failure(), "");
    EXPECT_FALSE(writer.SyncDue());
    EXPECT_EQ(ReadAll(ReadBytes(path)).payloads, payloads);
}

// A journal started again on a new base replaces the old one whole, and a
// journal continued is cut to its last good record first.
TEST(JournalWriterTest, RestartReplacesAndContinueCutsTheDamagedTail) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/t.diari";
    Journal damaged = Journal().Add("kept");
    const size_t good = damaged.bytes.size();
    damaged.bytes += "\x05\x00\x00\x00garbage";
    ASSERT_TRUE(WriteBytes(path, damaged.bytes));
    {
        TJournalWriter writer(path);
        writer.Continue(good);
        AppendJournalRecord(writer.Pending(), 1, "next");
        ASSERT_TRUE(writer.Sync());
    }
    EXPECT_EQ(ReadAll(ReadBytes(path)).payloads, (Payloads{"kept", "next"}));
    const TJournalBinding other = BindingOf("other");
    {
        TJournalWriter writer(path);
        AppendJournalRecord(writer.Pending(), 1, "dropped: the new base holds it");
        writer.Restart(other);
        AppendJournalRecord(writer.Pending(), 1, "after");
        ASSERT_TRUE(writer.Sync());
    }
    EXPECT_EQ(ReadAll(ReadBytes(path), other).payloads, Payloads{"after"});
    EXPECT_EQ(FolderEntries(dir.path().toStdString()), std::vector<std::string>{"t.diari"});
}

}  // namespace
