// Files written whole or not at all: every way the system can refuse a
// write, met for real (a full tmpfs, a file-size limit, a read-only mount, a
// folder in the file's place, no folder), leaves the old file byte for byte,
// no temporary file behind, and a message that says what and why.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <csignal>
#include <memory>

#include "basic/filesizesignal.h"
#include "basic/platformerror.h"
#include "basic/savedfile.h"
#include "tests/support/smallfilesystem.h"
#include "tests/support/tablecases.h"
#include "tests/support/testfiles.h"

namespace {

const std::string kOldFile = "111\t+\r\n222\t=\r\n333\t\r\n";

// Lowers the largest size a file of this process may grow to while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

// What stands in the write's way.
enum class Obstacle {
    FullDisk,
    SizeLimit,
    ReadOnlyDisk,
    UnwritableFolder,
    FolderInPlace,
    NoFolder
};

struct FailureCase {
    const char* name;
    Obstacle obstacle;
    bool throughDevice;  // written as QPdfWriter writes, through Device()
    const char* reason;
    friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) { return os << c.name; }
};

const FailureCase kFailures[] = {
    {"FullDisk", Obstacle::FullDisk, false, "No queda espai al disc."},
    {"FullDiskThroughADevice", Obstacle::FullDisk, true, "No queda espai al disc."},
    {"FileSizeLimit", Obstacle::SizeLimit, false, "No queda espai al disc."},
    {"ReadOnlyDisk", Obstacle::ReadOnlyDisk, false, "El disc només es pot llegir."},
    {"UnwritableFolder", Obstacle::UnwritableFolder, false, "No hi teniu permís d'escriptura."},
    {"AFolderInTheFilesPlace", Obstacle::FolderInPlace, false, "Hi ha una carpeta amb aquest nom."},
    {"NoSuchFolder", Obstacle::NoFolder, false, "La carpeta no existeix."},
};

// Where the write is tried: an old file in a folder, and the obstacle.
struct Place {
    std::unique_ptr<SmallFileSystem> disk;
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    std::string target = folder + "/Brimsum.Ini";
    std::unique_ptr<FileSizeLimit> limit;

    // Empty when ready; otherwise why the case cannot run here.
    std::string Prepare(Obstacle obstacle) {
        const bool small = obstacle == Obstacle::FullDisk || obstacle == Obstacle::ReadOnlyDisk;
        if (small) {
            disk = std::make_unique<SmallFileSystem>(64 * 1024);
            if (!disk->Mounted()) return disk->Refusal();
            target = disk->Path("Brimsum.Ini");
            folder = target.substr(0, target.rfind('/'));
        }
        if (obstacle == Obstacle::UnwritableFolder && geteuid() == 0)
            return "permissions do not bind the superuser (ReadOnlyDisk covers it)";
        if (!WriteBytes(target, kOldFile)) return "the old file could not be written";
        switch (obstacle) {
            case Obstacle::FullDisk:
                disk->Fill();
                break;
            case Obstacle::SizeLimit:
                limit = std::make_unique<FileSizeLimit>(16 * 1024);
                break;
            case Obstacle::ReadOnlyDisk:
                disk->MakeReadOnly();
                break;
            case Obstacle::UnwritableFolder:
                chmod(folder.c_str(), 0555);
                break;
            case Obstacle::FolderInPlace:
                target = folder + "/Tarvik";
                mkdir(target.c_str(), 0755);
                WriteBytes(target + "/inside", kOldFile);
                break;
            case Obstacle::NoFolder:
                target = folder + "/absent/Brimsum.Ini";
                break;
        }
        return {};
    }
};

class SavedFileFailureTest : public testing::TestWithParam<FailureCase> {};

// A write that takes far more than the small disk and the size limit allow.
void SaveBig(const std::string& path, bool throughDevice) {
    const std::string big(256 * 1024, 'x');
    TSavedFile file(path);
    if (throughDevice) {
        file.Device().write(big.data(), static_cast<qint64>(big.size()));
    } else {
        file.Write(big);
    }
    file.Commit();
}

TEST_P(SavedFileFailureTest, LeavesTheOldFileAndSaysWhy) {
    IgnoreFileSizeSignal();
    const FailureCase& c = GetParam();
    Place place;
    if (const std::string skip = place.Prepare(c.obstacle); !skip.empty()) GTEST_SKIP() << skip;
    const std::string oldBytes = ReadBytes(place.target);
    const std::vector<std::string> oldEntries = FolderEntries(place.folder);
    try {
        SaveBig(place.target, c.throughDevice);
        ADD_FAILURE() << "the write did not fail";
    } catch (const PlatformError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "No s'ha pogut desar el fitxer \"" + place.target + "\". " + c.reason);
    }
    place.limit.reset();
    EXPECT_EQ(ReadBytes(place.target), oldBytes);
    EXPECT_EQ(FolderEntries(place.folder), oldEntries);
    chmod(place.folder.c_str(), 0755);
}

INSTANTIATE_TEST_SUITE_P(Failures, SavedFileFailureTest, testing::ValuesIn(kFailures),
                         CaseName<FailureCase>);

// A file replaced keeps its permissions; a link keeps pointing at the file,
// which gets the new bytes.
TEST(SavedFileTest, ReplacingKeepsPermissionsAndLinks) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string target = folder + "/real.txt";
    const std::string link = folder + "/link.txt";
    ASSERT_TRUE(WriteBytes(target, kOldFile));
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    ASSERT_EQ(symlink("real.txt", link.c_str()), 0);
    {
        TSavedFile file(link);
        file.Device().write("new");
        file.Commit();
    }
    EXPECT_EQ(ReadBytes(target), "new");
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"link.txt", "real.txt"}));
}

}  // namespace
