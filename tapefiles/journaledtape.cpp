#include "tapefiles/journaledtape.h"

#include <QDir>
#include <QFileInfo>

#include "basic/filebytes.h"
#include "basic/platformerror.h"
#include "basic/savedfile.h"
#include "basic/translation.h"
#include "tape/tapedocument.h"
#include "tape/tapereplay.h"

namespace {

constexpr const char* kJournalSuffix = ".diari";

}  // namespace

TJournaledTape::TJournaledTape(std::string basePath)
    : basePath_(std::move(basePath)), writer_(JournalPathOf(basePath_)) {}

std::string TJournaledTape::JournalPathOf(const std::string& basePath) {
    return basePath + kJournalSuffix;
}

TJournaledTape::~TJournaledTape() {
    Detach();
}

const std::string& TJournaledTape::ReadBase() {
    base_ = ReadFileBytes(basePath_).value_or(std::string());
    problem_.clear();
    try {
        journal_ = ReadFileBytes(JournalPath()).value_or(std::string());
    } catch (const PlatformError& error) {
        journal_.clear();
        problem_ = error.what();
    }
    return base_;
}

void TJournaledTape::Replay(TTapeDocument& tape, const TSettingPlayer& setting) {
    TJournalReader reader(journal_, BindingOf(base_));
    TTapeReplay replay(tape);
    TJournalRecord record;
    while (reader.Next(record)) {
        const bool action = record.type == static_cast<uint8_t>(TJournalRecordType::Action);
        if (!action || !PlayActionRecord(record.payload, replay, setting)) reader.Reject(record);
    }
    goodBytes_ = reader.Header() == TJournalHeader::Bound ? reader.GoodBytes() : 0;
    if (reader.End() == TJournalEnd::Damaged ||
        (reader.Header() == TJournalHeader::Unreadable && !journal_.empty())) {
        problem_ = Filled(Tr("TJournaledTape",
                             "Els canvis desats a «%1» són malmesos a partir del byte %2: la "
                             "cinta torna tal com era abans d'aquell punt."),
                          {JournalPath(), std::to_string(reader.DamageOffset())});
    }
    std::string().swap(journal_);
}

void TJournaledTape::Attach(const TTapeDocument& tape) {
    Detach();
    tape_ = &tape;
    if (goodBytes_ > 0) {
        writer_.Continue(goodBytes_);
    } else {
        writer_.Restart(BindingOf(base_));
    }
    std::string().swap(base_);
    recorder_.Drop();
    gap_ = false;
    tape.SetSink(&recorder_);
}

void TJournaledTape::Detach() {
    if (tape_ != nullptr) tape_->SetSink(nullptr);
    tape_ = nullptr;
}

void TJournaledTape::EndAction() {
    if (gap_) {
        recorder_.Drop();
    } else if (!recorder_.Seal(writer_.Pending())) {
        gap_ = true;
    }
    writer_.Flush();
}

bool TJournaledTape::FoldDue() const {
    return gap_ || writer_.RestartWanted() || writer_.Size() > kFoldBytes;
}

// The changes recorded since the last action are in the base too. The
// folder is made again if it went away while the program ran.
void TJournaledTape::Fold(std::string_view base) {
    QDir().mkpath(QFileInfo(QString::fromStdString(basePath_)).absolutePath());
    try {
        TSavedFile file(basePath_);
        file.Write(base);
        file.Commit();
    } catch (const PlatformError& error) {
        foldFailure_ = error.what();
        throw;
    }
    foldFailure_.clear();
    recorder_.Drop();
    gap_ = false;
    writer_.Restart(BindingOf(base));
}

void TJournaledTape::Sync() {
    writer_.Sync();
}

const std::string& TJournaledTape::Failure() const {
    return foldFailure_.empty() ? writer_.Failure() : foldFailure_;
}
