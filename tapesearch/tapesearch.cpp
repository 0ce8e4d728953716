#include "tapesearch/tapesearch.h"

#include "basic/numbertext.h"

TTapeSearch::TTapeSearch(std::string_view typed, const TSearchScope& scope, size_t shown)
    : query_(ReadSearchQuery(typed)),
      shown_(shown),
      archive_(scope.archive),
      archiveDecimals_(scope.archiveDecimals),
      archiveValues_(query_.numbers, scope.archiveDecimals) {
    if (query_.FindsNothing()) {
        archive_.reset();
        return;
    }
    for (size_t place = 0; place < scope.openTapes.size(); ++place)
        SearchOpenTape(scope.openTapes[place], static_cast<int32_t>(place));
}

void TTapeSearch::SearchOpenTape(const TOpenTape& open, int32_t place) {
    const TSearchableRows& rows = open.index->UpToDate();
    std::vector<int32_t> found;
    FindRows(rows, query_, TValueMatch(query_.numbers, open.decimals), 0, rows.Rows(), found);
    const TTapeDocument& tape = open.index->Tape();
    for (const int32_t row : found) {
        if (results_.size() >= shown_) break;
        const TTapeRow& r = tape.Row(row);
        results_.push_back({{TSearchSourceKind::OpenTape, place, open.name, {}, {}},
                            row,
                            FormatNumber(r.Number(), open.decimals),
                            std::string(r.OperatorField()),
                            std::string(r.Comment())});
    }
    found_ += static_cast<int64_t>(found.size());
}

bool TTapeSearch::Finished() const {
    return !archive_ || tape_ >= archive_->Tapes().size();
}

bool TTapeSearch::Run(Clock::time_point deadline) {
    std::vector<int32_t> found;
    while (!Finished()) {
        const TIndexedTape& tape = *archive_->Tapes()[tape_];
        const int32_t end = tape.Rows() - row_ > kSliceRows ? row_ + kSliceRows : tape.Rows();
        found.clear();
        FindRows(tape.Searchable(), query_, archiveValues_, row_, end, found);
        for (const int32_t row : found) {
            if (results_.size() >= shown_) break;
            results_.push_back(
                {{TSearchSourceKind::ArchivedTape, -1, {}, tape.Path(), tape.KeptAt()},
                 row,
                 FormatNumber(tape.Number(row), archiveDecimals_),
                 std::string(tape.OperatorField(row)),
                 std::string(tape.Comment(row))});
        }
        found_ += static_cast<int64_t>(found.size());
        row_ = end;
        if (row_ >= tape.Rows()) {
            ++tape_;
            row_ = 0;
        }
        if (Clock::now() >= deadline) break;
    }
    return Finished();
}
