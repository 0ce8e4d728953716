#pragma once

// The journal: an append-only file of records that continues a base file
// (the settings file, a tape file). The base file holds the state as it was
// last written whole; the journal holds every change made since, one record
// each, and is read back onto the base at the next start.
//
// The header binds the journal to the base file it continues: the size and
// the CRC-32 of the base's bytes when the journal was started. A journal
// whose binding does not match the base on disk is not read: so writing the
// base whole and then starting a new journal bound to it needs no further
// step to be safe, as a crash in between leaves an old journal whose binding
// no longer matches.
//
// All numbers are little-endian.
//   Header (kJournalHeaderSize bytes): the magic "BrimsumD", the version (4
//   bytes), the base's size (8) and CRC-32 (4), and the CRC-32 of those 24
//   bytes (4).
//   Record: the payload's length n (4 bytes) and its complement (4), the
//   type (1), the payload (n), and the CRC-32 of all that (4).
//
// Reading stops at the first record that does not check out. A record cut
// short at the end of the file (a write the program did not finish, or zero
// bytes a power cut left where data was about to go) is no record: it is
// dropped without a word. A whole record whose checksum fails, and a length
// that does not match its complement or that no record can have, is damage:
// reading stops before it and says so. (The complement tells a damaged
// length, which would seem to run past the end of the file, from a record
// cut short.)

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr size_t kJournalHeaderSize = 28;
// The largest payload a record may have; a length past it is damage.
inline constexpr uint32_t kMaxJournalPayload = 64u << 20;
// What a record adds to its payload: length, complement, type and checksum.
inline constexpr size_t kJournalRecordOverhead = 13;

// The base file a journal continues.
struct TJournalBinding {
    uint64_t size = 0;
    uint32_t crc = 0;
    friend bool operator==(const TJournalBinding&, const TJournalBinding&) = default;
};
TJournalBinding BindingOf(std::string_view base);

std::string JournalHeader(const TJournalBinding& base);
// Appends one record to `out`.
void AppendJournalRecord(std::string& out, uint8_t type, std::string_view payload);

struct TJournalRecord {
    uint8_t type = 0;
    std::string_view payload;
    // Where the record starts in the file.
    uint64_t offset = 0;
};

// How the header of a journal reads against a base.
enum class TJournalHeader : uint8_t {
    Bound,       // a journal of this version that continues the base
    OtherBase,   // a sound journal of another base (or another version): not read
    Unreadable,  // no journal header at all
};

// How reading ended.
enum class TJournalEnd : uint8_t {
    Reading,   // Next has not yet returned false
    Clean,     // every byte read
    TornTail,  // a record cut short at the end, dropped
    Damaged,   // a record that does not check out at DamageOffset
};

// Reads the records of a journal's bytes (which must outlive the reader).
class TJournalReader {
public:
    TJournalReader(std::string_view bytes, const TJournalBinding& base);

    TJournalHeader Header() const { return header_; }
    // The next record; false at the end of what can be read (see End). Only
    // a bound journal has records.
    bool Next(TJournalRecord& record);
    // The caller found the record last returned unusable (its payload does
    // not check out): reading ends there as at a damaged record.
    void Reject(const TJournalRecord& record);

    TJournalEnd End() const { return end_; }
    // Where the last good record ends: a writer continues the journal there.
    uint64_t GoodBytes() const { return good_; }
    uint64_t DamageOffset() const { return damage_; }

private:
    bool Stop(TJournalEnd end);

    std::string_view bytes_;
    TJournalHeader header_;
    size_t zeros_;  // where the zeros that end the file begin
    TJournalEnd end_ = TJournalEnd::Reading;
    uint64_t good_ = 0;
    uint64_t damage_ = 0;
};
