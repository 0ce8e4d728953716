// The index of the archive: which files it reads (the archive's limits of
// 200 files and 50 MB), files that are no tape, and bringing it up to date
// when files come, change and go.

#include <gtest/gtest.h>

#include <QFile>

#include "tapesearch/archiveindex.h"
#include "tapesearch/tapesearch.h"
#include "tests/tapesearch/searchfixture.h"

namespace {

std::vector<std::string> Found(const std::shared_ptr<const TArchiveIndex>& index,
                               const std::string& typed) {
    TTapeSearch search(typed, {{}, index, 2});
    search.Run();
    return Where(search.Results());
}

// A tape file of one row and a long line that is no row, `bytes` long.
std::string PaddedTape(const std::string& row, int64_t bytes) {
    std::string text = row + "\r\n";
    text.append(static_cast<size_t>(bytes) - text.size(), 'x');
    return text;
}

TEST(ArchiveIndexTest, ReadsOnlyTheNewestTwoHundredFiles) {
    TestArchive archive;
    for (int i = 0; i <= TTapeArchive::kMostFiles; ++i)
        archive.PutLines(TestArchive::kNoon.addSecs(-60 * i), {std::to_string(1000 + i) + "\t+"});
    const auto index = archive.Index();
    EXPECT_EQ(index->Tapes().size(), static_cast<size_t>(TTapeArchive::kMostFiles));
    EXPECT_EQ(Found(index, "1199"), std::vector<std::string>{"08:41:0"});
    EXPECT_TRUE(Found(index, "1200").empty());
}

// The two newest files are large (sparse: no tape, quickly read).
TEST(ArchiveIndexTest, ReadsTheNewestFilesUpToFiftyMegabytes) {
    constexpr int64_t kTwentyMegabytes = 20 << 20;
    TestArchive archive;
    for (const int minutes : {0, 1}) {
        QFile file(QString::fromStdString(
            archive.PutLines(TestArchive::kNoon.addSecs(-60 * minutes), {"1\t+"})));
        ASSERT_TRUE(file.resize(kTwentyMegabytes));
    }
    archive.PutLines(TestArchive::kNoon.addSecs(-120), {"777\t+"});
    archive.Put(TestArchive::kNoon.addSecs(-180), PaddedTape("888\t+", 10 << 20));
    const auto index = archive.Index();
    EXPECT_EQ(Found(index, "777"), std::vector<std::string>{"11:58:0"});
    EXPECT_TRUE(Found(index, "888").empty());
}

// A picture and text that is not UTF-8 are left out; a file with lines that
// are no rows numbers its rows as opening it does.
TEST(ArchiveIndexTest, LeavesOutFilesThatAreNoTape) {
    TestArchive archive;
    archive.Put(TestArchive::kNoon, std::string("\x89PNG\r\n\x1a\n\0\0gas", 13));
    archive.Put(TestArchive::kNoon.addSecs(-60), "5\t+\t\tgas \xFF\r\n");
    archive.PutLines(TestArchive::kNoon.addSecs(-180),
                     {"no row", "5\t+\t\tgas", "", "6\t=\t\tgas oil"});
    const auto index = archive.Index();
    EXPECT_EQ(index->Tapes().size(), 3u);
    EXPECT_EQ(Found(index, "gas"), (std::vector<std::string>{"11:57:0", "11:57:1"}));
}

TEST(ArchiveIndexTest, ReadsOnlyWhatCameOrChangedSinceTheLastScan) {
    TestArchive archive;
    archive.PutLines(TestArchive::kNoon, {"1\t+\t\tgener"});
    archive.PutLines(TestArchive::kNoon.addSecs(-60), {"2\t+\t\tfebrer"});
    archive.PutLines(TestArchive::kNoon.addSecs(-120), {"3\t+\t\tmarç"});
    const auto before = archive.Index();

    archive.PutLines(TestArchive::kNoon.addSecs(60), {"4\t+\t\tabril"});
    archive.PutLines(TestArchive::kNoon.addSecs(-60), {"2\t+\t\tfebrer i maig"});
    archive.Remove(TestArchive::kNoon.addSecs(-120));
    archive.Indexer().Rescan();
    EXPECT_FALSE(archive.Indexer().UpToDate());
    // Until they are read, the index has the files that stayed.
    EXPECT_EQ(archive.Indexer().Index()->Tapes().size(), 1u);
    const auto after = archive.Index();

    EXPECT_EQ(after->Tapes().size(), 3u);
    EXPECT_EQ(after->Tapes()[1], before->Tapes()[0]);  // not read again
    EXPECT_EQ(Found(after, "abril"), std::vector<std::string>{"12:01:0"});
    EXPECT_EQ(Found(after, "maig"), std::vector<std::string>{"11:59:0"});
    EXPECT_TRUE(Found(after, "marc").empty());
    // The index a search was given stays as it was.
    EXPECT_EQ(Found(before, "marc"), std::vector<std::string>{"11:58:0"});
}

}  // namespace
