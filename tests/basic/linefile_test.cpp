#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <thread>
#include <vector>

#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "tests/support/listitems.h"

namespace {

using namespace std::string_literals;
class LineFileTest : public testing::Test {
protected:
    std::string PathOf(const char* name) const { return dir_.filePath(name).toStdString(); }

    static std::string ReadBytes(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) return "<missing>";
        return file.readAll().toStdString();
    }
    static void WriteBytes(const std::string& path, const std::string& bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
                  static_cast<qint64>(bytes.size()));
    }
    static Items Load(const std::string& path) {
        TArrayCadena array;
        array.LoadFromFile(path);
        return ItemsOf(array);
    }
    // Names in the folder, so a test can see that no temporary file is left.
    QStringList Entries() const {
        return QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    QTemporaryDir dir_;
};

TEST_F(LineFileTest, SaveWritesCrLfLinesAndLoadReadsThemBack) {
    const std::string path = PathOf("Brimsum.Ini");
    ArrayOf({"12", "1234.5\t+\t", "", "\xC3\xA8 \xFF"}).SaveToFile(path);
    EXPECT_EQ(ReadBytes(path), "12\r\n1234.5\t+\t\r\n\r\n\xC3\xA8 \xFF\r\n");
    EXPECT_EQ(Load(path), (Items{"12", "1234.5\t+\t", "", "\xC3\xA8 \xFF"}));

    // An empty list makes an empty file.
    TArrayCadena().SaveToFile(path);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(Load(path), Items{});
}

TEST_F(LineFileTest, SaveReplacesALongerFileWhole) {
    const std::string path = PathOf("f.txt");
    WriteBytes(path, std::string(10000, 'x'));
    ArrayOf({"a"}).SaveToFile(path);
    EXPECT_EQ(ReadBytes(path), "a\r\n");
    EXPECT_EQ(Entries(), QStringList{"f.txt"});
}

TEST_F(LineFileTest, LoadSplitsEveryLineEndAndStopsAtNul) {
    const std::string path = PathOf("f.txt");
    WriteBytes(path, "a\r\nb\rc\nd");  // no line end after the last line
    EXPECT_EQ(Load(path), (Items{"a", "b", "c", "d"}));
    WriteBytes(path, "a\n\n\r\r\n");
    EXPECT_EQ(Load(path), (Items{"a", "", "", ""}));
    WriteBytes(path, "a\r\nb\0c\r\nd\r\n"s);
    EXPECT_EQ(Load(path), (Items{"a", "b"}));
    WriteBytes(path, "\0a\r\n"s);
    EXPECT_EQ(Load(path), Items{});
}

TEST_F(LineFileTest, LoadReplacesTheItemsThroughAdd) {
    const std::string path = PathOf("f.txt");
    WriteBytes(path, "  a  \r\n b\r\n");
    TArrayCadena array = ArrayOf({"old", "older"});
    array.TrimLeftOnAdd = true;
    array.TrimRightOnAdd = true;
    array.LoadFromFile(path);
    EXPECT_EQ(ItemsOf(array), (Items{"a", "b"}));
}

TEST_F(LineFileTest, LoadFailureNamesTheFileAndKeepsTheItems) {
    TArrayCadena array = ArrayOf({"keep"});
    const std::string missing = PathOf("missing.txt");
    try {
        array.LoadFromFile(missing);
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_NE(std::string(error.what()).find("\"" + missing + "\""), std::string::npos)
            << error.what();
    }
    EXPECT_THROW(array.LoadFromFile(dir_.path().toStdString()), PlatformError);
    EXPECT_EQ(ItemsOf(array), Items{"keep"});
}

TEST_F(LineFileTest, LoadSurvivesHostileContent) {
    const std::string path = PathOf("f.txt");
    // Every byte value but the line ends and NUL, in one line.
    std::string binary;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n') binary += static_cast<char>(byte);
    WriteBytes(path, binary + "\r\n" + binary);
    EXPECT_EQ(Load(path), (Items{binary, binary}));

    // One line of 8 MB, then a short one.
    const std::string huge(8 << 20, 'z');
    WriteBytes(path, huge + "\n1");
    EXPECT_EQ(Load(path), (Items{huge, "1"}));

    // A million lines, with mixed line ends.
    std::string many;
    for (int i = 0; i < 1000000; ++i)
        many += (i % 3 == 0) ? "1\r\n" : (i % 3 == 1) ? "2\n" : "3\r";
    WriteBytes(path, many);
    TArrayCadena array;
    array.LoadFromFile(path);
    ASSERT_EQ(array.Count(), 1000000);
    EXPECT_EQ(array.ItemAt(1), "1");
    EXPECT_EQ(array.ItemAt(999999), "3");
    EXPECT_EQ(array.ItemAt(1000000), "1");
}

TEST_F(LineFileTest, SaveFailuresThrowAndLeaveNothingBehind) {
    const std::string noFolder = PathOf("absent/f.txt");
    try {
        ArrayOf({"a"}).SaveToFile(noFolder);
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_NE(std::string(error.what()).find("\"" + noFolder + "\""), std::string::npos)
            << error.what();
    }
    // A folder where the file should be is left alone.
    ASSERT_TRUE(QDir(dir_.path()).mkpath("folder/inside"));
    EXPECT_THROW(ArrayOf({"a"}).SaveToFile(PathOf("folder")), PlatformError);
    EXPECT_TRUE(QDir(dir_.filePath("folder/inside")).exists());
    EXPECT_EQ(Entries(), QStringList{"folder"});
}

TEST_F(LineFileTest, UnwritableFolderKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const std::string path = PathOf("f.txt");
    WriteBytes(path, "old\r\n");
    ASSERT_EQ(chmod(dir_.path().toLocal8Bit().constData(), 0555), 0);
    EXPECT_THROW(ArrayOf({"new"}).SaveToFile(path), PlatformError);
    chmod(dir_.path().toLocal8Bit().constData(), 0755);
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(Entries(), QStringList{"f.txt"});
}

// Lowers the largest size a file of this process may grow to, so that writing
// more fails as on a full disk (with SIGXFSZ ignored, the write reports EFBIG).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(LineFileTest, FullDiskKeepsTheOldFile) {
    const std::string path = PathOf("f.txt");
    WriteBytes(path, "old\r\n");
    TArrayCadena big;
    for (int i = 0; i < 100000; ++i)
        big.Add("row " + std::to_string(i));
    {
        FileSizeLimit limit(64 * 1024);
        EXPECT_THROW(big.SaveToFile(path), PlatformError);
    }
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(Entries(), QStringList{"f.txt"});
}

TEST_F(LineFileTest, ConcurrentSavesNeverMixOrTruncate) {
    const std::string path = PathOf("f.txt");
    TArrayCadena first, second;
    for (int i = 0; i < 20000; ++i) {
        first.Add("first " + std::to_string(i));
        second.Add("second " + std::to_string(i));
    }
    first.SaveToFile(path);
    const std::string firstBytes = first.Text(), secondBytes = second.Text();

    std::atomic<int> writersLeft = 2;
    auto writer = [&](const TArrayCadena& list) {
        for (int round = 0; round < 15; ++round)
            list.SaveToFile(path);
        --writersLeft;
    };
    std::thread a(writer, std::cref(first)), b(writer, std::cref(second));
    int reads = 0, bad = 0;
    while (writersLeft > 0) {
        const std::string bytes = ReadBytes(path);
        if (bytes != firstBytes && bytes != secondBytes) ++bad;
        ++reads;
    }
    a.join();
    b.join();
    EXPECT_EQ(bad, 0) << "of " << reads << " reads";
    const std::string last = ReadBytes(path);
    EXPECT_TRUE(last == firstBytes || last == secondBytes);
    EXPECT_EQ(Entries(), QStringList{"f.txt"});
}

}  // namespace
