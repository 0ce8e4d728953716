#pragma once

// The platform layer under TDataObject: what a drop source offers and how its
// data is fetched. TDataObject is written against DataSource only; a real drop
// reaches it through MimeDataSource (exchange/mimesource.h), tests and the
// fuzzer through MemoryDataSource (exchange/memorysource.h).
//
// The operations are those of an OLE data object: enumerate the formats
// offered, ask whether one can be delivered, get its data on a storage medium,
// and give that medium back.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "exchange/formats.h"

using Bytes = std::vector<uint8_t>;
using ByteView = std::span<const uint8_t>;

// A global memory block: its allocated size and its bytes, reached between
// Lock and Unlock. The lock count lets a source check that every lock was
// undone before the block is released.
class GlobalMemory {
public:
    explicit GlobalMemory(Bytes bytes) : bytes_(std::move(bytes)) {}

    size_t Size() const { return bytes_.size(); }
    ByteView Lock() {
        ++locks_;
        return bytes_;
    }
    void Unlock() {
        if (locks_ > 0) --locks_;
    }
    int LockCount() const { return locks_; }

private:
    Bytes bytes_;
    int locks_ = 0;
};

// A readable stream (TYMED_ISTREAM).
class SourceStream {
public:
    virtual ~SourceStream() = default;
    // Reads at most `count` bytes into `buffer` and returns how many; 0 at the end.
    virtual size_t Read(uint8_t* buffer, size_t count) = 0;
};

// A structured storage (TYMED_ISTORAGE).
class SourceStorage {
public:
    virtual ~SourceStorage() = default;
    // Copies the storage into a compound file at `path`, replacing a file of
    // that name. False when the file cannot be written.
    virtual bool CopyTo(const std::string& path) = 0;
};

// A medium as the source delivers it: its kind (one Tymed value) and the one
// carrier that kind uses. Kinds without a carrier here (file, GDI, metafiles)
// arrive with all three empty.
struct StgMedium {
    uint32_t tymed = TYMED_NULL;
    std::unique_ptr<GlobalMemory> hGlobal;
    std::unique_ptr<SourceStream> stream;
    std::unique_ptr<SourceStorage> storage;
};

class DataSource {
public:
    virtual ~DataSource() = default;

    // The formats offered for reading, in the source's order.
    virtual std::vector<FormatEtc> EnumFormatEtc() const = 0;
    // The name registered for a format number; empty when it has none.
    virtual std::string ClipboardFormatName(uint16_t format) const = 0;
    // Whether the source can deliver `format` now.
    virtual bool QueryGetData(const FormatEtc& format) const = 0;
    // The data of `format`; nullopt when the source fails to deliver it.
    virtual std::optional<StgMedium> GetData(const FormatEtc& format) = 0;
    // Gives back a medium obtained from GetData; called exactly once for each.
    virtual void ReleaseStgMedium(StgMedium& medium) = 0;
};
