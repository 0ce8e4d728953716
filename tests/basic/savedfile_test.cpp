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
#include <functional>
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

// Where a failing write is tried: the folder, the target in it, and what
// is left in place for the write to meet.
struct Place {
    std::unique_ptr<SmallFileSystem> disk;
    std::unique_ptr<QTemporaryDir> dir;
    std::string folder;
    std::string target;
    std::unique_ptr<FileSizeLimit> limit;
};

using Setup = std::function<bool(Place&, std::string& skip)>;

bool OnSmallDisk(Place& place, std::string& skip) {
    place.disk = std::make_unique<SmallFileSystem>(64 * 1024);
    if (!place.disk->Mounted()) {
        skip = place.disk->Refusal();
        return false;
    }
    place.folder = place.disk->Path("");
    place.folder.pop_back();
    place.target = place.disk->Path("Brimsum.Ini");
    return WriteBytes(place.target, kOldFile);
}

bool OnOrdinaryDisk(Place& place, std::string&) {
    place.dir = std::make_unique<QTemporaryDir>();
    place.folder = place.dir->path().toStdString();
    place.target = place.folder + "/Brimsum.Ini";
    return WriteBytes(place.target, kOldFile);
}

struct FailureCase {
    const char* name;
    Setup setup;
    bool throughDevice;  // written as QPdfWriter writes, through Device()
    const char* reason;
    friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) { return os << c.name; }
};

const FailureCase kFailures[] = {
    {"FullDisk",
     [](Place& p, std::string& skip) {
         if (!OnSmallDisk(p, skip)) return false;
         p.disk->Fill();
         return true;
     },
     false, "No queda espai al disc."},
    {"FullDiskThroughADevice",
     [](Place& p, std::string& skip) {
         if (!OnSmallDisk(p, skip)) return false;
         p.disk->Fill();
         return true;
     },
     true, "No queda espai al disc."},
    {"FileSizeLimit",
     [](Place& p, std::string& skip) {
         if (!OnOrdinaryDisk(p, skip)) return false;
         p.limit = std::make_unique<FileSizeLimit>(16 * 1024);
         return true;
     },
     false, "No queda espai al disc."},
    {"ReadOnlyDisk",
     [](Place& p, std::string& skip) {
         if (!OnSmallDisk(p, skip)) return false;
         p.disk->MakeReadOnly();
         return true;
     },
     false, "El disc només es pot llegir."},
    {"UnwritableFolder",
     [](Place& p, std::string& skip) {
         if (geteuid() == 0) {
             skip = "permissions do not bind the superuser (ReadOnlyDisk covers it)";
             return false;
         }
         return OnOrdinaryDisk(p, skip) && chmod(p.folder.c_str(), 0555) == 0;
     },
     false, "No hi teniu permís d'escriptura."},
    {"AFolderInTheFilesPlace",
     [](Place& p, std::string& skip) {
         if (!OnOrdinaryDisk(p, skip)) return false;
         p.target = p.folder + "/Tarvik";
         return mkdir(p.target.c_str(), 0755) == 0 && WriteBytes(p.target + "/inside", kOldFile);
     },
     false, "Hi ha una carpeta amb aquest nom."},
    {"NoSuchFolder",
     [](Place& p, std::string& skip) {
         if (!OnOrdinaryDisk(p, skip)) return false;
         p.target = p.folder + "/absent/Brimsum.Ini";
         return true;
     },
     false, "La carpeta no existeix."},
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
    std::string skip;
    if (!c.setup(place, skip)) {
        if (!skip.empty()) GTEST_SKIP() << skip;
        FAIL() << "the place could not be prepared";
    }
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
    if (place.disk) place.disk->MakeRoom();
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

TEST(SavedFileTest, AFileNotCommittedLeavesNothing) {
    QTemporaryDir dir;
    const std::string target = dir.path().toStdString() + "/f.txt";
    {
        TSavedFile file(target);
        file.Write("never");
    }
    EXPECT_TRUE(FolderEntries(dir.path().toStdString()).empty());
}

}  // namespace
