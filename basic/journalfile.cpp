#include "basic/journalfile.h"

#include "basic/crc32.h"

namespace {

constexpr std::string_view kMagic = "BrimsumD";
constexpr uint32_t kVersion = 1;
constexpr size_t kBoundBytes = kJournalHeaderSize - 4;  // what the header's checksum covers
constexpr size_t kLengthBytes = 8;                      // a length and its complement

void Put(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint64_t Get(std::string_view in, size_t at, int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= uint64_t{static_cast<unsigned char>(in[at + static_cast<size_t>(i)])} << (8 * i);
    return value;
}

TJournalHeader ReadHeader(std::string_view bytes, const TJournalBinding& base) {
    if (bytes.size() < kJournalHeaderSize || bytes.substr(0, kMagic.size()) != kMagic)
        return TJournalHeader::Unreadable;
    if (Get(bytes, kBoundBytes, 4) != Crc32(bytes.substr(0, kBoundBytes)))
        return TJournalHeader::Unreadable;
    const TJournalBinding bound{Get(bytes, 12, 8), static_cast<uint32_t>(Get(bytes, 20, 4))};
    return Get(bytes, 8, 4) == kVersion && bound == base ? TJournalHeader::Bound
                                                         : TJournalHeader::OtherBase;
}

// Where the zeros that end the bytes begin (their size when none do).
size_t ZerosAtTheEnd(std::string_view bytes) {
    const size_t last = bytes.find_last_not_of('\0');
    return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

TJournalBinding BindingOf(std::string_view base) {
    return {base.size(), Crc32(base)};
}

std::string JournalHeader(const TJournalBinding& base) {
    std::string header(kMagic);
    Put(header, kVersion, 4);
    Put(header, base.size, 8);
    Put(header, base.crc, 4);
    Put(header, Crc32(header), 4);
    return header;
}

void AppendJournalRecord(std::string& out, uint8_t type, std::string_view payload) {
    const size_t start = out.size();
    const auto length = static_cast<uint32_t>(payload.size());
    Put(out, length, 4);
    Put(out, ~length, 4);
    out += static_cast<char>(type);
    out += payload;
    Put(out, Crc32(std::string_view(out).substr(start)), 4);
}

TJournalReader::TJournalReader(std::string_view bytes, const TJournalBinding& base)
    : bytes_(bytes), header_(ReadHeader(bytes, base)), zeros_(ZerosAtTheEnd(bytes)) {
    if (header_ == TJournalHeader::Bound) {
        good_ = kJournalHeaderSize;
    } else {
        end_ = TJournalEnd::Clean;
    }
}

bool TJournalReader::Next(TJournalRecord& record) {
    if (end_ != TJournalEnd::Reading) return false;
    const std::string_view rest = bytes_.substr(good_);
    if (rest.empty()) {
        end_ = TJournalEnd::Clean;
        return false;
    }
    // Zeros from within a record to the end of the file are a write that did
    // not reach the disk (a power cut leaves them where data was to go).
    if (rest.size() < kLengthBytes || zeros_ < good_ + kLengthBytes)
        return Stop(TJournalEnd::TornTail);
    const uint64_t length = Get(rest, 0, 4);
    if ((length ^ Get(rest, 4, 4)) != 0xFFFFFFFF || length > kMaxJournalPayload)
        return Stop(TJournalEnd::Damaged);
    const size_t whole = kJournalRecordOverhead + static_cast<size_t>(length);
    if (rest.size() < whole) return Stop(TJournalEnd::TornTail);
    if (Get(rest, whole - 4, 4) != Crc32(rest.substr(0, whole - 4)))
        return Stop(zeros_ < good_ + whole ? TJournalEnd::TornTail : TJournalEnd::Damaged);
    record.type = static_cast<uint8_t>(rest[kLengthBytes]);
    record.payload = rest.substr(kLengthBytes + 1, static_cast<size_t>(length));
    record.offset = good_;
    good_ += whole;
    return true;
}

bool TJournalReader::Stop(TJournalEnd end) {
    end_ = end;
    if (end == TJournalEnd::Damaged) damage_ = good_;
    return false;
}

void TJournalReader::Reject(const TJournalRecord& record) {
    end_ = TJournalEnd::Damaged;
    damage_ = record.offset;
    good_ = record.offset;
}
