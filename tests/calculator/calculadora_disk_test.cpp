// The settings and the tape on a disk that refuses to write them: a full
// disk while typing and at the end, a disk that can only be read, a folder in
// the settings file's place. Each time the old file keeps its bytes, the
// window says why once (a bar over the tape while typing, a question at the
// end), and nothing typed is lost.

#include <QDir>
#include <QLabel>

#include "tests/calculator/calculadorafixture.h"
#include "tests/support/smallfilesystem.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testfiles.h"

namespace {

const std::string kStoredTape = [] {
    std::string lines;
    for (int line = 1; line <= 11; ++line)
        lines += line == 11 ? "3\r\n" : "\r\n";
    for (int line = 12; line <= 20; ++line)
        lines += "\r\n";
    return lines + "111\t+\r\n222\t=\r\n333\t\r\n";
}();

// The window on a settings folder in a small file system of its own.
class DiskTest : public CalculadoraWindow {
protected:
    void SetUp() override {
        if (!disk.Mounted()) GTEST_SKIP() << disk.Refusal();
        Close();
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(disk.Path("config")));
        QDir().mkpath(QString::fromStdString(disk.Path("config/Tarvik")));
        WriteFile(kStoredTape);
        Open();
    }
    void TearDown() override {
        Close();
        qputenv("XDG_CONFIG_HOME", TestConfigHome());
    }

    QLabel* Bar() const { return Find<QLabel>("AvisDesar"); }
    std::string Stored() const { return FileText(); }

    SmallFileSystem disk{64 * 1024};
};

TEST_F(DiskTest, AFullDiskWhileTypingIsToldOnceAndNothingIsLost) {
    disk.Fill();
    // The journal may still grow into the page it started on.
    Type("44+55=");
    for (int key = 0; key < 150 && !Bar()->isVisible(); ++key)
        Type("1+");
    ASSERT_TRUE(Bar()->isVisible());
    EXPECT_TRUE(Bar()->text().contains(QStringLiteral("No queda espai al disc")))
        << Bar()->text().toStdString();
    Type("7+");
    EXPECT_TRUE(boxes.requests.empty()) << "a box while typing";
    EXPECT_EQ(Stored(), kStoredTape);

    disk.MakeRoom();
    Type("1+");
    QTest::qWait(700);  // the retry
    EXPECT_FALSE(Bar()->isVisible());
    const std::string typed = Tape();
    Close();
    Open();
    EXPECT_EQ(Tape(), typed);
    EXPECT_EQ(Tape().rfind("111 + | 222 = | 333 | 44 + | 55 = | 99 | 1 +", 0), 0u) << Tape();
}

// Closing anyway keeps the journal: the next start, with room, gives back
// every row.
TEST_F(DiskTest, AFullDiskAtTheEndAsksOnceAndTheNextStartHasEverything) {
    Type("44+55=");
    QTest::qWait(700);  // on the disk
    disk.Fill();
    boxes.answers = {idIgnore};
    window->close();
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].text.find("No queda espai al disc"), std::string::npos);
    EXPECT_EQ(boxes.requests[0].labels.size(), 3u);
    EXPECT_EQ(Stored(), kStoredTape);
    Close();
    EXPECT_EQ(boxes.requests.size(), 1u) << "asked again at the end";
    EXPECT_EQ(Stored(), kStoredTape);

    disk.MakeRoom();
    Open();
    EXPECT_EQ(Tape(), "111 + | 222 = | 333 | 44 + | 55 = | 99");
}

TEST_F(DiskTest, ADiskThatCanOnlyBeReadKeepsTheOldFile) {
    Close();
    const std::string before = Stored();
    disk.MakeReadOnly();
    Open();
    Type("44+");
    EXPECT_TRUE(Bar()->isVisible());
    EXPECT_TRUE(Bar()->text().contains(QStringLiteral("només es pot llegir")))
        << Bar()->text().toStdString();
    boxes.answers = {idIgnore};
    Close();
    EXPECT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(Stored(), before);
}

TEST_F(DiskTest, AFolderInTheFilesPlaceIsToldAndStays) {
    Close();
    QFile::remove(QString::fromStdString(FileName()));
    QDir().mkpath(QString::fromStdString(FileName()));
    Open();
    ASSERT_EQ(boxes.requests.size(), 1u) << "the file that cannot be read";
    Type("44+");
    boxes.answers = {idIgnore};
    Close();
    ASSERT_EQ(boxes.requests.size(), 2u);
    EXPECT_NE(boxes.requests[1].text.find("carpeta"), std::string::npos) << boxes.requests[1].text;
    EXPECT_TRUE(QFileInfo(QString::fromStdString(FileName())).isDir());
}

}  // namespace

namespace {

// A disk full from the start keeps nothing new: closing is told so.
TEST_F(DiskTest, AFullDiskFromTheStartSaysWhatWouldBeLost) {
    Close();
    const std::string before = Stored();
    QFile::remove(QString::fromStdString(FileName() + ".diari"));
    disk.Fill();
    Open();
    Type("44+55=");
    boxes.answers = {idIgnore};
    window->close();
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].text.find("es perdran"), std::string::npos)
        << boxes.requests[0].text;
    EXPECT_EQ(Stored(), before);
}

}  // namespace
