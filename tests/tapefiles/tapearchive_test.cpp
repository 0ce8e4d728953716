// The archive of earlier tapes: where it lives, what it keeps, the limits it
// keeps to, and what the menu of earlier tapes learns from it.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "basic/platformerror.h"
#include "tape/tapedocument.h"
#include "tapefiles/tapearchive.h"
#include "tapefiles/tapefile.h"
#include "tests/support/testenvironment.h"

namespace {

const QDateTime kNoon(QDate(2026, 12, 9), QTime(12, 0));

class TapeArchiveTest : public testing::Test {
protected:
    TapeArchiveTest() {
        for (const char* line : {"12\t+", "5\t=", "17\t"})
            tape.WriteRowText(tape.UsedRows(), line);
    }

    QStringList Names() const {
        QStringList names;
        for (const QFileInfo& file : archive.Files())
            names.append(file.fileName());
        return names;
    }

    // A file of the archive's own naming and of `bytes` bytes (sparse).
    void PutOldFile(const QDateTime& when, qint64 bytes) const {
        QFile file(folder.filePath(
            QStringLiteral("cinta-%1.txt").arg(when.toString("yyyy-MM-dd-HHmmss-zzz"))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\t+\r\n");
        ASSERT_TRUE(file.resize(bytes));
    }

    QTemporaryDir folder;
    TTapeArchive archive{folder.path().toStdString()};
    TTapeDocument tape;
};

TEST(TapeArchiveFolder, IsTarvikCintesInTheUsersDataFolder) {
    EXPECT_EQ(TTapeArchive::DefaultFolder(), std::string(TestDataHome()) + "/Tarvik/cintes");
}

TEST_F(TapeArchiveTest, KeepsATapeAsATapeFileNamedByTheTime) {
    const std::string path = archive.Keep(tape, kNoon.addMSecs(345));
    EXPECT_EQ(Names(), QStringList{"cinta-2026-12-09-120000-345.txt"});
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), TapeFileText(tape));
}

TEST_F(TapeArchiveTest, AnEmptyTapeIsNotKept) {
    EXPECT_EQ(archive.Keep(TTapeDocument(), kNoon), "");
    EXPECT_TRUE(Names().isEmpty());
}

TEST_F(TapeArchiveTest, TapesKeptInTheSameMillisecondAreAllKeptInOrder) {
    for (int i = 0; i < 3; ++i)
        archive.Keep(tape, kNoon);
    EXPECT_EQ(Names(),
              (QStringList{"cinta-2026-12-09-120000-002.txt", "cinta-2026-12-09-120000-001.txt",
                           "cinta-2026-12-09-120000-000.txt"}));
}

TEST_F(TapeArchiveTest, KeepsTheNewestTwoHundredFiles) {
    for (int i = 0; i < TTapeArchive::kMostFiles; ++i)
        PutOldFile(kNoon.addSecs(-i - 1), 10);
    archive.Keep(tape, kNoon);
    const QStringList names = Names();
    ASSERT_EQ(names.size(), TTapeArchive::kMostFiles);
    EXPECT_EQ(names.first(), "cinta-2026-12-09-120000-000.txt");
    // The oldest one went.
    EXPECT_EQ(names.last(), "cinta-2026-12-09-115641-000.txt");
}

TEST_F(TapeArchiveTest, KeepsAtMostFiftyMegabytesButAlwaysTheNewestFile) {
    constexpr qint64 kTwentyMegabytes = 20 << 20;
    for (int i = 1; i <= 3; ++i)
        PutOldFile(kNoon.addSecs(-i), kTwentyMegabytes);
    archive.Keep(tape, kNoon);
    EXPECT_EQ(Names(),
              (QStringList{"cinta-2026-12-09-120000-000.txt", "cinta-2026-12-09-115959-000.txt",
                           "cinta-2026-12-09-115958-000.txt"}));

    PutOldFile(kNoon.addSecs(60), 60 << 20);   // newer and larger than the limit
    archive.Keep(tape, kNoon.addSecs(-3600));  // older than all: the next trim
    EXPECT_EQ(Names(), QStringList{"cinta-2026-12-09-120100-000.txt"});
}

TEST_F(TapeArchiveTest, LeavesOtherFilesOfTheFolderAlone) {
    for (const char* name : {"notes.txt", "cinta-2026-12-09.txt", "cinta-del-client.txt"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (int i = 0; i <= TTapeArchive::kMostFiles; ++i)
        archive.Keep(tape, kNoon.addSecs(i));
    EXPECT_EQ(Names().size(), TTapeArchive::kMostFiles);
    for (const char* name : {"notes.txt", "cinta-2026-12-09.txt", "cinta-del-client.txt"})
        EXPECT_TRUE(QFile::exists(folder.filePath(name))) << name;
}

TEST_F(TapeArchiveTest, ListsTheNewestTapesWithRowsAndLastTotal) {
    archive.Keep(tape, kNoon);
    TTapeDocument noTotal;
    noTotal.WriteRowText(0, "4\t+");
    archive.Keep(noTotal, kNoon.addSecs(60));
    TTapeDocument twoTotals;
    for (const char* line : {"1\t=", "1\t", "2\t+", "3\t=", "5\t", "8\t+"})
        twoTotals.WriteRowText(twoTotals.UsedRows(), line);
    archive.Keep(twoTotals, kNoon.addSecs(120));
    QFile broken(folder.filePath("cinta-2026-12-09-120300-000.txt"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG\r\n\x1a\n\0\0", 10);
    broken.close();

    const std::vector<TArchivedTape> listed = archive.Newest(2);
    ASSERT_EQ(listed.size(), 2u);  // the broken file is left out
    EXPECT_EQ(listed[0].keptAt, kNoon.addSecs(120));
    EXPECT_EQ(listed[0].rows, 6);
    EXPECT_EQ(listed[0].lastTotal, 5.0);
    EXPECT_EQ(listed[1].rows, 1);
    EXPECT_FALSE(listed[1].lastTotal.has_value());
    EXPECT_EQ(archive.Newest(20).back().lastTotal, 17.0);
}

TEST_F(TapeArchiveTest, AFolderThatCannotBeMadeIsReported) {
    QFile blocker(folder.filePath("cintes"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    TTapeArchive blocked(blocker.fileName().toStdString() + "/sub");
    EXPECT_THROW(blocked.Keep(tape, kNoon), PlatformError);
}

}  // namespace
