#pragma once

// TSearchResults: the search of the search band (Ctrl+F) as a list model:
// the rows found in the open tapes and in the archive of cleared tapes, in
// the order TTapeSearch gives (the open tapes first, then the archived ones
// newest first), as the result list shows them and a screen reader reads
// them.
//
// The open tapes are searched at once when the search starts. The archive is
// searched in slices of a few milliseconds on a zero-time timer, so that the
// window answers while it is searched: its index (TArchiveIndexer) is built
// the first time it is needed, newest file first, and each slice searches
// the archived tapes read since the last one; the archive's folder is looked
// at again at the first search after ArchiveMayHaveChanged. At most
// kShownResults rows are listed; every row found is counted (More).
//
// The open tapes are a list of (name, document), each result telling its
// tape by its place in that list. Their indexes watch the documents while a
// search is kept, and go with Stop: the documents must outlive that. A change
// of their rows meanwhile is told once the event that made it is over
// (TapesChanged), so that the search can be made again.

#include <QAbstractListModel>
#include <QTimer>
#include <chrono>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "tapesearch/archiveindex.h"
#include "tapesearch/opentapeindex.h"
#include "tapesearch/searchresult.h"
#include "tapesearch/tapesearch.h"

class TTapeDocument;

struct TSearchedTape {
    std::string name;
    const TTapeDocument* tape = nullptr;
};

class TSearchResults : public QAbstractListModel, private TTapeObserver {
    Q_OBJECT

public:
    static constexpr size_t kShownResults = TTapeSearch::kShownResults;
    // The time one slice of the archive's search may take.
    static constexpr std::chrono::milliseconds kSlice{15};

    explicit TSearchResults(TTapeArchive archive, QObject* parent = nullptr);
    ~TSearchResults() override;

    // The open tapes, in their order; a search under way goes on with the
    // tapes it had.
    void SetOpenTapes(std::vector<TSearchedTape> tapes);
    // The decimals the values are shown with.
    void SetDecimals(int32_t decimals) { decimals_ = decimals; }
    // The next search lists the archive's files again.
    void ArchiveMayHaveChanged() { rescanDue_ = true; }

    // Goes on building the archive's index while nothing is searched, so
    // that the first search finds it ready.
    void Prepare();
    // Starts a search for what was typed; an empty text finds nothing.
    void Search(const QString& typed);
    // Drops the results and lets go of the open tapes.
    void Stop();
    // The archive is still being searched.
    bool Searching() const { return searching_; }
    // Every row found so far, listed or not, and those not listed.
    int64_t Found() const { return found_; }
    int64_t More() const { return found_ - static_cast<int64_t>(results_.size()); }
    const TSearchResult& Result(int row) const { return results_.at(static_cast<size_t>(row)); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // What the list shows of a result: its tape ("Cinta 1", or the date and
    // time an archived tape was kept) and row, then its value, operator and
    // comment, on two lines.
    static QString ShownText(const TSearchResult& result);
    // What a screen reader says of it: "Cinta 1, fila 3, 1.250,50, més,
    // Factura 214".
    static QString SpokenText(const TSearchResult& result);

Q_SIGNALS:
    // Found() or Searching() changed.
    void Progress();
    // The rows of an open tape changed since the search was made.
    void TapesChanged();

private:
    void Slice();
    void Watch(bool on);
    void TapeRowsChanged(int32_t, int32_t) override { changed_.start(); }
    void TapeRowCountChanged() override { changed_.start(); }
    void TapeCurrentRowChanged() override {}
    // The archived tapes read but not yet searched, as an index of their own.
    std::shared_ptr<const TArchiveIndex> UnsearchedTapes();
    void TakeResults(const TTapeSearch& search);

    std::vector<TSearchedTape> tapes_;
    std::vector<std::unique_ptr<TOpenTapeIndex>> indexes_;
    TArchiveIndexer indexer_;
    bool rescanDue_ = true;
    int32_t decimals_ = 2;

    std::string typed_;
    // The archived tapes being searched now, and those searched already.
    std::unique_ptr<TTapeSearch> part_;
    size_t partTaken_ = 0;
    int64_t foundBefore_ = 0;
    std::unordered_set<std::string> searched_;
    std::vector<TSearchResult> results_;
    int64_t found_ = 0;
    bool searching_ = false;
    QTimer slices_;
    QTimer changed_;
};
