#pragma once

// A small tmpfs mounted on a temporary folder, for the tests that need a disk
// that really fills up or really is read-only: what the kernel refuses there
// is what a user's full disk refuses. Mounting needs the right to (the tests
// run as root in CI); without it Mounted() is false and the test skips.

#include <cstddef>
#include <string>

class SmallFileSystem {
public:
    explicit SmallFileSystem(size_t bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    // Why it could not be mounted.
    const std::string& Refusal() const { return refusal_; }
    // A path inside it.
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }

    // A filler file takes every free byte (a file already there may still
    // grow into its last page).
    void Fill();
    // Removes the filler.
    void MakeRoom();
    void MakeReadOnly();

private:
    std::string folder_;
    bool mounted_ = false;
    std::string refusal_;
};
