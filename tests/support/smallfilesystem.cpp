#include "tests/support/smallfilesystem.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

SmallFileSystem::SmallFileSystem(size_t bytes) {
    std::string folder = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                         "/brimsum-small.XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        refusal_ = std::strerror(errno);
        return;
    }
    folder_ = folder;
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    mounted_ = mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
    if (!mounted_) refusal_ = std::string("mount: ") + std::strerror(errno);
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
    if (!folder_.empty()) rmdir(folder_.c_str());
}

void SmallFileSystem::Fill() {
    const int fd = open(Path("filler").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const std::vector<char> block(4096, 'f');
    for (size_t size = block.size(); size > 0; size /= 2)
        while (write(fd, block.data(), size) == static_cast<ssize_t>(size)) {
        }
    close(fd);
}

void SmallFileSystem::MakeRoom() {
    unlink(Path("filler").c_str());
}

void SmallFileSystem::MakeReadOnly() {
    mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
          nullptr);
}
