#pragma once

// An archive of cleared tapes in a temporary folder, written file by file,
// and its indexer; results written as "where" texts for table tests.

#include <QDateTime>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "tapesearch/archiveindex.h"
#include "tapesearch/tapesearch.h"

class TestArchive {
public:
    static const QDateTime kNoon;

    // Writes the file the archive names by `when`, holding `text`.
    std::string Put(const QDateTime& when, const std::string& text) const;
    // A tape file of these lines (CR LF after each).
    std::string PutLines(const QDateTime& when, const std::vector<std::string>& lines) const;
    void Remove(const QDateTime& when) const;

    std::shared_ptr<const TArchiveIndex> Index() { return indexer_.Refreshed(); }
    TArchiveIndexer& Indexer() { return indexer_; }

private:
    QTemporaryDir folder_;
    TArchiveIndexer indexer_{TTapeArchive(folder_.path().toStdString())};
};

// "Cinta 1:3" for row 3 of the open tape Cinta 1, "11:00:2" for row 2 of
// the tape archived at 11:00.
std::string Where(const TSearchResult& result);
std::vector<std::string> Where(const std::vector<TSearchResult>& results);
