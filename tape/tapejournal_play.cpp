// The tape's changes as journal records: an action record read, checked and
// played onto a document.

#include <optional>
#include <vector>

#include "tape/tapejournal.h"
#include "tape/tapereplay.h"
#include "tape/taperow.h"

namespace {

using TKind = TJournalChange;

// Reads a payload from the front; every read fails once one has failed.
class PayloadReader {
public:
    explicit PayloadReader(std::string_view payload) : rest_(payload) {}

    bool AtEnd() const { return rest_.empty(); }
    size_t Left() const { return rest_.size(); }

    std::optional<uint32_t> Number() {
        uint64_t value = 0;
        for (int shift = 0; shift < 35 && !rest_.empty(); shift += 7) {
            const auto byte = static_cast<unsigned char>(rest_.front());
            rest_.remove_prefix(1);
            value |= uint64_t{byte & 0x7Fu} << shift;
            if ((byte & 0x80) == 0)
                return value <= UINT32_MAX ? std::optional<uint32_t>(value) : std::nullopt;
        }
        rest_ = {};
        return std::nullopt;
    }
    std::optional<std::string_view> Text() {
        const std::optional<uint32_t> length = Number();
        if (!length || *length > rest_.size()) return Fail<std::string_view>();
        const std::string_view text = rest_.substr(0, *length);
        rest_.remove_prefix(*length);
        return text;
    }
    std::optional<TTapeRow> Row() {
        TTapeRow row;
        for (int field = 0; field < kTapeFieldCount; ++field) {
            const std::optional<std::string_view> text = Text();
            if (!text) return std::nullopt;
            row.SetField(static_cast<TTapeField>(field), *text);
        }
        return row;
    }
    std::optional<TKind> Kind() {
        const std::optional<uint32_t> kind = Number();
        if (!kind || *kind < static_cast<uint32_t>(TKind::RowWritten) ||
            *kind > static_cast<uint32_t>(TKind::Setting))
            return Fail<TKind>();
        return static_cast<TKind>(*kind);
    }

private:
    template <typename T>
    std::optional<T> Fail() {
        rest_ = {};
        return std::nullopt;
    }
    std::string_view rest_;
};

// One change read from a payload.
struct TChange {
    TKind kind{};
    int64_t a = 0;
    int64_t b = 0;
    TTapeRow row;
    std::vector<TTapeRow> rows;
    std::string_view key;
    std::string_view value;
};

// The fields of a change after its kind; false when they do not read.
bool ReadFields(PayloadReader& in, TChange& change) {
    const auto number = [&in](int64_t& to) {
        const std::optional<uint32_t> n = in.Number();
        if (n) to = *n;
        return n.has_value();
    };
    const auto row = [&in](TTapeRow& to) {
        std::optional<TTapeRow> r = in.Row();
        if (r) to = std::move(*r);
        return r.has_value();
    };
    switch (change.kind) {
        case TKind::RowWritten:
        case TKind::RowPutIn:
            return number(change.a) && row(change.row);
        case TKind::RowMoved:
            return number(change.a) && number(change.b);
        case TKind::RowRemoved:
        case TKind::RowCountSet:
        case TKind::LinkFieldSet:
        case TKind::CurrentRowSet:
            return number(change.a);
        case TKind::RowsReplaced: {
            if (!number(change.a) || !number(change.b)) return false;
            if (static_cast<uint64_t>(change.b) > in.Left() / kSmallestRecordedRow) return false;
            change.rows.resize(static_cast<size_t>(change.b));
            for (TTapeRow& r : change.rows)
                if (!row(r)) return false;
            return true;
        }
        case TKind::Setting: {
            const std::optional<std::string_view> key = in.Text();
            const std::optional<std::string_view> value = in.Text();
            if (!key || !value) return false;
            change.key = *key;
            change.value = *value;
            return true;
        }
    }
    return false;
}

// Whether a change can apply where the room is `room` (and keeps it). A
// document makes room for a row before it writes, puts in or selects it.
bool Applies(const TChange& change, int64_t& room) {
    switch (change.kind) {
        case TKind::RowWritten:
        case TKind::RowPutIn:
        case TKind::CurrentRowSet:
            return TTapeReplay::AcceptsRow(change.a) && change.a < room;
        case TKind::RowMoved:
            return change.a < room && change.b < room;
        case TKind::RowRemoved:
            return change.a < room;
        case TKind::RowCountSet:
            room = change.a;
            return TTapeReplay::AcceptsRowCount(change.a);
        case TKind::LinkFieldSet:
            return change.a <= 1;
        case TKind::RowsReplaced:
            return TTapeReplay::AcceptsRows(change.a, change.b);
        case TKind::Setting:
            return true;
    }
    return false;
}

void PlayChange(TChange& change, TTapeReplay& replay, const TSettingPlayer& setting) {
    const auto a = static_cast<int32_t>(change.a);
    const auto b = static_cast<int32_t>(change.b);
    switch (change.kind) {
        case TKind::RowWritten:
            return replay.RowWritten(a, change.row);
        case TKind::RowMoved:
            return replay.RowMoved(a, b);
        case TKind::RowRemoved:
            return replay.RowRemoved(a);
        case TKind::RowPutIn:
            return replay.RowPutIn(a, change.row);
        case TKind::RowCountSet:
            return replay.RowCountSet(a);
        case TKind::LinkFieldSet:
            return replay.LinkFieldSet(a == 1);
        case TKind::RowsReplaced:
            return replay.RowsReplaced(a, change.rows);
        case TKind::CurrentRowSet:
            return replay.CurrentRowSet(a);
        case TKind::Setting:
            if (setting) setting(change.key, change.value);
            return;
    }
}

}  // namespace

bool PlayActionRecord(std::string_view payload, TTapeReplay& replay,
                      const TSettingPlayer& setting) {
    PayloadReader in(payload);
    std::vector<TChange> changes;
    int64_t room = replay.Room();
    while (!in.AtEnd()) {
        TChange change;
        const std::optional<TKind> kind = in.Kind();
        if (!kind) return false;
        change.kind = *kind;
        if (!ReadFields(in, change) || !Applies(change, room)) return false;
        changes.push_back(std::move(change));
    }
    for (TChange& change : changes)
        PlayChange(change, replay, setting);
    return true;
}
