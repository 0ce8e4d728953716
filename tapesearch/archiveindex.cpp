#include "tapesearch/archiveindex.h"

#include <unordered_map>

int64_t TArchiveIndex::Rows() const {
    int64_t rows = 0;
    for (const auto& tape : tapes_)
        rows += tape->Rows();
    return rows;
}

size_t TArchiveIndex::Bytes() const {
    size_t bytes = sizeof(*this) + tapes_.capacity() * sizeof(tapes_[0]);
    for (const auto& tape : tapes_)
        bytes += tape->Bytes();
    return bytes;
}

TArchiveIndexer::TArchiveIndexer(TTapeArchive archive)
    : archive_(std::move(archive)), index_(std::make_shared<const TArchiveIndex>()) {}

void TArchiveIndexer::Rescan() {
    std::unordered_map<std::string, std::shared_ptr<const TIndexedTape>> read;
    for (TListedFile& listed : files_) {
        if (listed.tape) read.emplace(listed.tape->Path(), std::move(listed.tape));
    }
    files_.clear();
    unread_ = 0;
    for (const QFileInfo& file : archive_.KeptFiles()) {
        TListedFile& listed = files_.emplace_back(TListedFile{file, nullptr});
        const auto same = read.find(file.filePath().toStdString());
        if (same != read.end() && same->second->IsFile(file)) {
            listed.tape = same->second;
        } else {
            ++unread_;
        }
    }
    MakeIndex();
}

bool TArchiveIndexer::ReadFiles(Clock::time_point deadline) {
    bool readAny = false;
    for (TListedFile& listed : files_) {
        if (listed.tape) continue;
        listed.tape = TIndexedTape::Read(listed.file);
        --unread_;
        readAny = true;
        if (Clock::now() >= deadline) break;
    }
    if (readAny) MakeIndex();
    return UpToDate();
}

std::shared_ptr<const TArchiveIndex> TArchiveIndexer::Refreshed() {
    Rescan();
    ReadFiles();
    return index_;
}

void TArchiveIndexer::MakeIndex() {
    std::vector<std::shared_ptr<const TIndexedTape>> tapes;
    tapes.reserve(files_.size());
    for (const TListedFile& listed : files_) {
        if (listed.tape) tapes.push_back(listed.tape);
    }
    index_ = std::make_shared<const TArchiveIndex>(std::move(tapes));
}
