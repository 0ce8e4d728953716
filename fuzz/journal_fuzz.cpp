// Reads random bytes as a journal onto a tape of three rows: as a whole
// journal file, after a header bound to the tape's file, or after that
// header cut into records that check out (so that their payloads are read).
// Besides memory errors and undefined behaviour, it stops when
//  - the replay went past a record it did not accept: playing only the
//    journal's first GoodBytes bytes must give the same tape and settings,
//    and read to the end without a word;
//  - GoodBytes lies past the journal or before its header.

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "basic/journalfile.h"
#include "tape/tapedocument.h"
#include "tape/tapejournal.h"
#include "tape/tapereplay.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Longer inputs add nothing a short one cannot reach, and a long list of
// changes of a tape of millions of rows would only be slow.
constexpr size_t kLongestInput = 512;
const TJournalBinding kBase = BindingOf("12\t+\r\n5\t=\r\n17\t\r\n");

struct Played {
    std::vector<std::string> rows;
    int32_t room = 0;
    int32_t current = 0;
    bool linkField = false;
    std::vector<std::string> settings;
    TJournalEnd end = TJournalEnd::Reading;
    uint64_t good = 0;
    bool operator==(const Played& o) const {
        return rows == o.rows && room == o.room && current == o.current &&
               linkField == o.linkField && settings == o.settings;
    }
};

Played Play(std::string_view journal) {
    TTapeDocument tape;
    tape.WriteRowText(0, "12\t+");
    tape.WriteRowText(1, "5\t=");
    tape.WriteRowText(2, "17\t");
    tape.SetCurrentRow(3);
    Played played;
    TJournalReader reader(journal, kBase);
    TTapeReplay replay(tape);
    TJournalRecord record;
    const auto setting = [&played](std::string_view key, std::string_view value) {
        played.settings.push_back(std::string(key) + "=" + std::string(value));
    };
    while (reader.Next(record)) {
        if (record.type != static_cast<uint8_t>(TJournalRecordType::Action) ||
            !PlayActionRecord(record.payload, replay, setting))
            reader.Reject(record);
    }
    for (int32_t row = 0; row < tape.UsedRows(); ++row)
        played.rows.push_back(tape.RowText(row));
    played.room = tape.RowCount();
    played.current = tape.CurrentRow();
    played.linkField = tape.WritesLinkField();
    played.end = reader.End();
    played.good = reader.GoodBytes();
    return played;
}

// The header, then the bytes cut at every 0xFF into records that check
// out: the first byte of each piece is the type.
std::string FramedRecords(std::string_view bytes) {
    std::string journal = JournalHeader(kBase);
    while (!bytes.empty()) {
        const size_t cut = std::min(bytes.find('\xFF'), bytes.size());
        const std::string_view piece = bytes.substr(0, cut);
        if (!piece.empty())
            AppendJournalRecord(journal, static_cast<uint8_t>(piece[0]), piece.substr(1));
        bytes.remove_prefix(std::min(cut + 1, bytes.size()));
    }
    return journal;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > kLongestInput) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string journal;
    switch (data[0] % 3) {
        case 0:
            journal = bytes;
            break;
        case 1:
            journal = JournalHeader(kBase) + std::string(bytes);
            break;
        default:
            journal = FramedRecords(bytes);
            break;
    }
    const Played whole = Play(journal);
    if (whole.end == TJournalEnd::Clean && whole.good == 0) return 0;  // not read at all
    Check(whole.good >= kJournalHeaderSize && whole.good <= journal.size());
    const Played upToGood = Play(std::string_view(journal).substr(0, whole.good));
    Check(upToGood == whole);
    Check(upToGood.end == TJournalEnd::Clean && upToGood.good == whole.good);
    return 0;
}
