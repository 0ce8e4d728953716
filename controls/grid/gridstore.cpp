#include "controls/grid/gridstore.h"

#include <algorithm>

namespace {

// One packed cell: where its length starts, where its bytes start, how many.
struct PackedEntry {
    size_t start = 0;
    size_t data = 0;
    size_t length = 0;
    size_t End() const { return data + length; }
};

void AppendLength(std::string& out, size_t length) {
    do {
        const auto low = static_cast<unsigned char>(length & 0x7F);
        length >>= 7;
        out.push_back(static_cast<char>(length != 0 ? (low | 0x80) : low));
    } while (length != 0);
}

PackedEntry ReadEntry(std::string_view packed, size_t pos) {
    PackedEntry e;
    e.start = pos;
    int shift = 0;
    while (pos < packed.size()) {
        const auto byte = static_cast<unsigned char>(packed[pos++]);
        e.length |= static_cast<size_t>(byte & 0x7F) << shift;
        shift += 7;
        if ((byte & 0x80) == 0) break;
    }
    e.data = pos;
    return e;
}

// Walks to cell `col`; false when the row ends before it (the cell is empty).
bool FindEntry(std::string_view packed, int32_t col, PackedEntry& found, int32_t& walked) {
    size_t pos = 0;
    for (walked = 0; pos < packed.size(); ++walked) {
        const PackedEntry e = ReadEntry(packed, pos);
        if (walked == col) {
            found = e;
            return true;
        }
        pos = e.End();
    }
    found.start = pos;
    return false;
}

std::string Encoded(std::string_view text) {
    std::string out;
    AppendLength(out, text.size());
    out.append(text);
    return out;
}

// Cuts the row after its last non-empty cell.
void TrimEmptyTail(std::string& packed) {
    size_t keep = 0;
    for (size_t pos = 0; pos < packed.size();) {
        const PackedEntry e = ReadEntry(packed, pos);
        if (e.length != 0) keep = e.End();
        pos = e.End();
    }
    packed.resize(keep);
}

// Cuts the row before cell `cols`.
void CutAtColumn(std::string& packed, int32_t cols) {
    PackedEntry e;
    int32_t walked = 0;
    if (!FindEntry(packed, cols, e, walked)) return;
    packed.resize(e.start);
    TrimEmptyTail(packed);
}

}  // namespace

TGridStore::TGridStore(int32_t rows, int32_t cols)
    : rows_(static_cast<size_t>(std::max(rows, 1))), cols_(std::max(cols, 1)) {}

void TGridStore::SetRowCount(int32_t rows) {
    rows = std::max(rows, 1);
    rows_.resize(static_cast<size_t>(rows));
    if (lastUsedBound_ >= rows) ForgetLastUsed(rows - 1);
}

void TGridStore::SetColCount(int32_t cols) {
    cols = std::max(cols, 1);
    if (cols < cols_) {
        for (std::string& row : rows_)
            CutAtColumn(row, cols);
        ForgetLastUsed(lastUsedBound_);
    }
    cols_ = cols;
}

std::string_view TGridStore::Cell(int32_t row, int32_t col) const {
    if (!Contains(row, col)) return {};
    const std::string& packed = rows_[static_cast<size_t>(row)];
    PackedEntry e;
    int32_t walked = 0;
    if (!FindEntry(packed, col, e, walked)) return {};
    return std::string_view(packed).substr(e.data, e.length);
}

std::string TGridStore::SetCell(int32_t row, int32_t col, std::string_view text) {
    if (!Contains(row, col)) return {};
    std::string& packed = rows_[static_cast<size_t>(row)];
    PackedEntry e;
    int32_t walked = 0;
    std::string old;
    if (FindEntry(packed, col, e, walked)) {
        old.assign(packed, e.data, e.length);
        if (old == text) return old;
        packed.replace(e.start, e.End() - e.start, Encoded(text));
        if (text.empty()) TrimEmptyTail(packed);
    } else {
        if (text.empty()) return old;
        packed.append(static_cast<size_t>(col - walked), '\0');  // empty cells between
        packed.append(Encoded(text));
    }
    NoteRowChange(row);
    return old;
}

void TGridStore::NoteRowChange(int32_t row) {
    if (!RowIsEmpty(row)) {
        if (row >= lastUsedBound_) {
            lastUsedBound_ = row;
            lastUsedExact_ = true;
        }
    } else if (row == lastUsedBound_) {
        lastUsedExact_ = false;
    }
}

int32_t TGridStore::LastUsedRow() const {
    if (!lastUsedExact_) {
        while (lastUsedBound_ >= 0 && RowIsEmpty(lastUsedBound_)) {
            --lastUsedBound_;
        }
        lastUsedExact_ = true;
    }
    return lastUsedBound_;
}

void TGridStore::ForgetLastUsed(int32_t fromRow) const {
    lastUsedBound_ = std::min(fromRow, RowCount() - 1);
    lastUsedExact_ = false;
}

void TGridStore::MoveRow(int32_t from, int32_t to) {
    if (from == to || from < 0 || to < 0 || from >= RowCount() || to >= RowCount()) return;
    const auto first = rows_.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else {
        std::rotate(first + to, first + from, first + from + 1);
    }
    // Rows below both ends keep their texts; the used rows between may now
    // end higher up.
    const int32_t high = std::max(from, to);
    if (lastUsedBound_ >= std::min(from, to) && lastUsedBound_ <= high) ForgetLastUsed(high);
}

void TGridStore::RemoveRow(int32_t row) {
    if (row < 0 || row >= RowCount() || RowCount() == 1) return;
    rows_.erase(rows_.begin() + row);
    if (lastUsedBound_ > row) {
        --lastUsedBound_;
    } else if (lastUsedBound_ == row) {
        ForgetLastUsed(row - 1);
    }
}
