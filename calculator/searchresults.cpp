#include "calculator/searchresults.h"

#include <algorithm>

#include "tape/tapespeech.h"

namespace {

QString TapeName(const TSearchResult& result) {
    if (result.source.kind == TSearchSourceKind::OpenTape)
        return QString::fromStdString(result.source.name);
    return result.source.keptAt.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TSearchResults::TSearchResults(TTapeArchive archive, QObject* parent)
    : QAbstractListModel(parent), indexer_(std::move(archive)) {
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, [this] { Slice(); });
    changed_.setSingleShot(true);
    changed_.setInterval(0);
    connect(&changed_, &QTimer::timeout, this, &TSearchResults::TapesChanged);
}

TSearchResults::~TSearchResults() {
    Watch(false);
}

// The indexes and the watch come and go together.
void TSearchResults::Watch(bool on) {
    if (on == !indexes_.empty()) return;
    if (!on) {
        for (const TSearchedTape& tape : tapes_)
            tape.tape->RemoveObserver(this);
        indexes_.clear();
        changed_.stop();
        return;
    }
    for (const TSearchedTape& tape : tapes_) {
        indexes_.push_back(std::make_unique<TOpenTapeIndex>(*tape.tape));
        tape.tape->AddObserver(this);
    }
}

// The indexes of tapes already searched are kept, so that the next search
// prepares only the rows changed since.
void TSearchResults::SetOpenTapes(std::vector<TSearchedTape> tapes) {
    const bool same =
        std::equal(tapes.begin(), tapes.end(), tapes_.begin(), tapes_.end(),
                   [](const TSearchedTape& a, const TSearchedTape& b) { return a.tape == b.tape; });
    if (!same) Watch(false);
    tapes_ = std::move(tapes);
}

void TSearchResults::Prepare() {
    if (rescanDue_) indexer_.Rescan();
    rescanDue_ = false;
    if (!indexer_.UpToDate()) slices_.start();
}

void TSearchResults::Search(const QString& typed) {
    beginResetModel();
    searching_ = false;
    part_.reset();
    searched_.clear();
    results_.clear();
    found_ = foundBefore_ = 0;
    typed_ = typed.trimmed().toStdString();
    TSearchScope scope;
    Watch(true);
    for (size_t place = 0; place < tapes_.size(); ++place)
        scope.openTapes.push_back({tapes_[place].name, indexes_[place].get(), decimals_});
    const TTapeSearch open(typed_, scope);
    results_ = open.Results();
    found_ = foundBefore_ = open.Found();
    const bool findsSomething = !open.Query().FindsNothing();
    endResetModel();
    searching_ = findsSomething;
    if (searching_) {
        if (rescanDue_) indexer_.Rescan();
        rescanDue_ = false;
        slices_.start();
    }
    Q_EMIT Progress();
}

void TSearchResults::Stop() {
    beginResetModel();
    searching_ = false;
    slices_.stop();
    part_.reset();
    results_.clear();
    found_ = foundBefore_ = 0;
    Watch(false);
    endResetModel();
}

std::shared_ptr<const TArchiveIndex> TSearchResults::UnsearchedTapes() {
    std::vector<std::shared_ptr<const TIndexedTape>> tapes;
    for (const auto& tape : indexer_.Index()->Tapes()) {
        if (searched_.insert(tape->Path()).second) tapes.push_back(tape);
    }
    if (tapes.empty()) return nullptr;
    return std::make_shared<const TArchiveIndex>(std::move(tapes));
}

void TSearchResults::TakeResults(const TTapeSearch& search) {
    const std::vector<TSearchResult>& found = search.Results();
    if (found.size() > partTaken_) {
        const int first = static_cast<int>(results_.size());
        beginInsertRows(QModelIndex(), first,
                        first + static_cast<int>(found.size() - partTaken_) - 1);
        results_.insert(results_.end(), found.begin() + static_cast<ptrdiff_t>(partTaken_),
                        found.end());
        partTaken_ = found.size();
        endInsertRows();
    }
    found_ = foundBefore_ + search.Found();
}

// Each slice goes on with the archived tapes under way, then reads more of
// the archive's files when the index is not complete yet, and searches the
// tapes read since: until the deadline, or until every file is searched.
void TSearchResults::Slice() {
    const auto deadline = TTapeSearch::Clock::now() + kSlice;
    if (!searching_) {
        if (indexer_.ReadFiles(deadline)) slices_.stop();
        return;
    }
    const int64_t foundAtStart = found_;
    bool finished = false;
    while (TTapeSearch::Clock::now() < deadline) {
        if (part_) {
            const bool done = part_->Run(deadline);
            TakeResults(*part_);
            if (!done) break;
            foundBefore_ = found_;
            part_.reset();
        }
        std::shared_ptr<const TArchiveIndex> unsearched = UnsearchedTapes();
        if (!unsearched && !indexer_.UpToDate()) {
            indexer_.ReadFiles(deadline);
            unsearched = UnsearchedTapes();
        }
        if (!unsearched) {
            finished = indexer_.UpToDate();
            if (finished) break;
            continue;
        }
        const size_t room = kShownResults - std::min(kShownResults, results_.size());
        part_ =
            std::make_unique<TTapeSearch>(typed_, TSearchScope{{}, unsearched, decimals_}, room);
        partTaken_ = 0;
    }
    if (finished) {
        searching_ = false;
        slices_.stop();
    }
    if (finished || found_ != foundAtStart) Q_EMIT Progress();
}

int TSearchResults::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(results_.size());
}

QVariant TSearchResults::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TSearchResult& result = Result(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return ShownText(result);
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return SpokenText(result);
        default:
            return {};
    }
}

QString TSearchResults::ShownText(const TSearchResult& result) {
    QString second = Utf8(result.value);
    if (!result.op.empty()) second += QLatin1Char(' ') + Utf8(result.op);
    if (!result.comment.empty())
        second += (second.isEmpty() ? QString() : QStringLiteral("   ")) + Utf8(result.comment);
    return tr("%1 · fila %2").arg(TapeName(result)).arg(result.row + 1) + QLatin1Char('\n') +
           second;
}

QString TSearchResults::SpokenText(const TSearchResult& result) {
    QStringList parts{TapeName(result), tr("fila %1").arg(result.row + 1)};
    for (const std::string& part : {result.value, SpokenOperator(result.op), result.comment}) {
        if (!part.empty()) parts.append(Utf8(part));
    }
    return parts.join(QStringLiteral(", "));
}
