#include "exchange/memorysource.h"

#include <algorithm>
#include <fstream>

namespace {

class BytesStream : public SourceStream {
public:
    explicit BytesStream(Bytes bytes) : bytes_(std::move(bytes)) {}
    size_t Read(uint8_t* buffer, size_t count) override {
        const size_t n = std::min(count, bytes_.size() - position_);
        std::copy_n(bytes_.begin() + std::ptrdiff_t(position_), n, buffer);
        position_ += n;
        return n;
    }

private:
    Bytes bytes_;
    size_t position_ = 0;
};

class BytesStorage : public SourceStorage {
public:
    explicit BytesStorage(Bytes bytes) : bytes_(std::move(bytes)) {}
    bool CopyTo(const std::string& path) override {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes_.data()), std::streamsize(bytes_.size()));
        return bool(file);
    }

private:
    Bytes bytes_;
};

}  // namespace

void MemoryDataSource::Add(uint16_t format, uint32_t tymed, Bytes bytes, const std::string& name) {
    Offer offer;
    offer.format.cfFormat = format;
    offer.format.tymed = tymed;
    offer.name = name;
    offer.bytes = std::move(bytes);
    offers_.push_back(std::move(offer));
}

void MemoryDataSource::OfferGlobal(uint16_t format, Bytes bytes, const std::string& name) {
    Add(format, TYMED_HGLOBAL, std::move(bytes), name);
}

void MemoryDataSource::OfferStream(uint16_t format, Bytes bytes, const std::string& name) {
    Add(format, TYMED_ISTREAM, std::move(bytes), name);
}

void MemoryDataSource::OfferStorage(uint16_t format, Bytes fileBytes, const std::string& name) {
    Add(format, TYMED_ISTORAGE, std::move(fileBytes), name);
}

void MemoryDataSource::OfferMedium(uint16_t format, uint32_t tymed, const std::string& name) {
    Add(format, tymed, {}, name);
}

void MemoryDataSource::RefuseLast() {
    if (!offers_.empty()) offers_.back().refused = true;
}

void MemoryDataSource::FailLast() {
    if (!offers_.empty()) offers_.back().failing = true;
}

std::vector<FormatEtc> MemoryDataSource::EnumFormatEtc() const {
    std::vector<FormatEtc> formats;
    for (const Offer& offer : offers_)
        formats.push_back(offer.format);
    return formats;
}

std::string MemoryDataSource::ClipboardFormatName(uint16_t format) const {
    for (const Offer& offer : offers_) {
        if (offer.format.cfFormat == format) return offer.name;
    }
    return {};
}

const MemoryDataSource::Offer* MemoryDataSource::Find(const FormatEtc& format) const {
    for (const Offer& offer : offers_) {
        if (offer.format.cfFormat == format.cfFormat && offer.format.lindex == format.lindex &&
            (offer.format.tymed & format.tymed) != 0) {
            return &offer;
        }
    }
    // A medium kind that carries nothing (TYMED_NULL) matches by number alone.
    for (const Offer& offer : offers_) {
        if (offer.format.cfFormat == format.cfFormat && offer.format.tymed == format.tymed) {
            return &offer;
        }
    }
    return nullptr;
}

bool MemoryDataSource::QueryGetData(const FormatEtc& format) const {
    const Offer* offer = Find(format);
    return offer && !offer->refused;
}

std::optional<StgMedium> MemoryDataSource::GetData(const FormatEtc& format) {
    const Offer* offer = Find(format);
    if (!offer || offer->refused || offer->failing) return std::nullopt;
    StgMedium medium;
    medium.tymed = offer->format.tymed;
    switch (offer->format.tymed) {
        case TYMED_HGLOBAL:
            medium.hGlobal = std::make_unique<GlobalMemory>(offer->bytes);
            break;
        case TYMED_ISTREAM:
            medium.stream = std::make_unique<BytesStream>(offer->bytes);
            break;
        case TYMED_ISTORAGE:
            medium.storage = std::make_unique<BytesStorage>(offer->bytes);
            break;
        default:
            break;
    }
    ++handedOut_;
    return medium;
}

void MemoryDataSource::ReleaseStgMedium(StgMedium& medium) {
    ++released_;
    if (medium.hGlobal && medium.hGlobal->LockCount() > 0) ++lockedReleases_;
    medium = StgMedium{};
}
