// The search through the archive of cleared tapes and the open tapes.
//
// A 50 MB archive (200 files of about 256 KB: amounts typed and computed,
// totals, a comment on one row in four, Catalan words with accents) is
// written once to a temporary folder. Measured: building its index from
// nothing, looking for changes when there are none, and a query against the
// index up to its first results (the first 500, or every row when fewer are
// found; the target is 200 ms), or up to the last row counted. And 50 open
// tapes of 10,000 rows: the first search (which prepares their indexes) and
// a search after a key on one of them. And the search band's results as the
// window gets them: from the search to the first results listed, on its
// timer's slices, with the index still to be built (the first search of a
// session) or built already.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/qtbenchmain.h"
#include "calculator/searchresults.h"
#include "tape/tapedocument.h"
#include "tapefiles/tapearchive.h"
#include "tapefiles/tapelines.h"
#include "tapesearch/archiveindex.h"
#include "tapesearch/opentapeindex.h"
#include "tapesearch/tapesearch.h"

namespace {

constexpr int kArchiveFiles = TTapeArchive::kMostFiles;
constexpr int64_t kFileBytes = TTapeArchive::kMostBytes / kArchiveFiles - 512;

const char* const kComments[] = {
    "Factura 2026-117", "Lloguer del local",   "Cafè i esmorzar",    "Gasoil furgoneta",
    "Col·laboració",    "Rebut de la llum",    "Compra de paper",    "Quota d'autònoms",
    "Reparació caixa",  "Telèfon i internet",  "Assegurança",        "Menjar per a l'equip",
    "Caixa del dia",    "Devolució client 34", "Material d'oficina", "Impost municipal",
};

// Lines as a day at the till writes them: a few amounts, sometimes a
// percent amount, then a total computed by the tape.
class TapeWriter {
public:
    explicit TapeWriter(unsigned seed) : random_(seed) {}

    std::string Tape(int64_t bytes) {
        std::string text;
        while (static_cast<int64_t>(text.size()) < bytes)
            AddBlock(text);
        return text;
    }

private:
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    std::string Amount() {
        std::string text = std::to_string(Uniform(1, 2500));
        if (Uniform(0, 2) > 0) {
            text += ',';
            text += std::to_string(Uniform(10, 99));
        }
        return text;
    }

    void AddLine(std::string& text, const std::string& value, const char* op) {
        text += value;
        text += '\t';
        text += op;
        if (Uniform(0, 3) == 0) {
            text += "\t\t";
            text += kComments[Uniform(0, 15)];
            if (Uniform(0, 1) == 0) {
                text += ' ';
                text += std::to_string(Uniform(1, 999));
            }
        }
        text += "\r\n";
    }

    void AddBlock(std::string& text) {
        double sum = 0;
        for (int row = Uniform(2, 8); row > 0; --row) {
            const std::string amount = Amount();
            sum += std::stod(amount.substr(0, amount.find(','))) + (Uniform(0, 1) ? 0.5 : 0.25);
            AddLine(text, amount, Uniform(0, 5) == 0 ? "-" : "+");
        }
        AddLine(text, "21", "%");
        AddLine(text, std::to_string(sum * 0.21).substr(0, 7), "=");
        AddLine(text, std::to_string(sum * 1.21).substr(0, 8), "");
    }

    std::mt19937 random_;
};

// The archive, written once for every benchmark of this program.
class BenchArchive {
public:
    static BenchArchive& Get() {
        static BenchArchive archive;
        return archive;
    }

    const std::string& Folder() const { return folder_; }
    int64_t Bytes() const { return bytes_; }
    // Its index, built once.
    std::shared_ptr<const TArchiveIndex> Index() {
        if (!index_) index_ = TArchiveIndexer(TTapeArchive(folder_)).Refreshed();
        return index_;
    }

private:
    BenchArchive() : folder_(dir_.path().toStdString()) {
        const QDateTime first(QDate(2026, 1, 5), QTime(9, 0));
        for (int i = 0; i < kArchiveFiles; ++i) {
            const std::string text = TapeWriter(static_cast<unsigned>(i)).Tape(kFileBytes);
            QFile file(
                dir_.filePath(QStringLiteral("cinta-%1.txt")
                                  .arg(first.addSecs(3600 * i).toString("yyyy-MM-dd-HHmmss-zzz"))));
            if (!file.open(QIODevice::WriteOnly)) std::abort();
            file.write(text.data(), static_cast<qint64>(text.size()));
            bytes_ += static_cast<int64_t>(text.size());
        }
    }

    QTemporaryDir dir_;
    std::string folder_;
    int64_t bytes_ = 0;
    std::shared_ptr<const TArchiveIndex> index_;
};

void BM_IndexArchive(benchmark::State& state) {
    BenchArchive& archive = BenchArchive::Get();
    std::shared_ptr<const TArchiveIndex> index;
    for (auto _ : state)
        index = TArchiveIndexer(TTapeArchive(archive.Folder())).Refreshed();
    state.counters["files"] = static_cast<double>(index->Tapes().size());
    state.counters["MB"] = static_cast<double>(archive.Bytes()) / (1 << 20);
    state.counters["rows"] = static_cast<double>(index->Rows());
    state.counters["index_MB"] = static_cast<double>(index->Bytes()) / (1 << 20);
}
BENCHMARK(BM_IndexArchive)
    ->Name("BM_IndexArchive/50MB")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_RescanArchive(benchmark::State& state) {
    TArchiveIndexer indexer(TTapeArchive(BenchArchive::Get().Folder()));
    indexer.Refreshed();
    for (auto _ : state) {
        indexer.Rescan();
        benchmark::DoNotOptimize(indexer.UpToDate());
    }
}
BENCHMARK(BM_RescanArchive)->Name("BM_RescanArchive/50MB")->Unit(benchmark::kMillisecond);

// Until the first page of results is complete: the first 500, or every row
// found when there are fewer. `toEnd`: until every row is counted.
void SearchArchive(benchmark::State& state, const char* typed, bool toEnd) {
    const TSearchScope scope{{}, BenchArchive::Get().Index(), 2};
    int64_t found = 0;
    for (auto _ : state) {
        TTapeSearch search(typed, scope);
        while (!search.Run(TTapeSearch::Clock::now()) &&
               (toEnd || search.Results().size() < TTapeSearch::kShownResults)) {
        }
        found = search.Found();
    }
    state.counters["found"] = static_cast<double>(found);
}

void RegisterArchiveSearches() {
    struct Query {
        const char* name;
        const char* typed;
        bool toEnd;
    };
    static const Query kQueries[] = {
        {"BM_SearchArchive/50MB", "1.250,50", false},
        {"BM_SearchArchive/50MB/number:1250.5", "1250.5", false},
        {"BM_SearchArchive/50MB/text:factura", "factura", false},
        {"BM_SearchArchive/50MB/accents:cafe", "cafe", false},
        {"BM_SearchArchive/50MB/rare:client 34", "client 34", false},
        {"BM_SearchArchive/50MB/none:benzina", "benzina", false},
        {"BM_SearchArchive/50MB/letter:a", "a", false},
        {"BM_SearchArchiveToEnd/50MB/letter:a", "a", true},
        {"BM_SearchArchiveToEnd/50MB/number:21", "21", true},
    };
    for (const Query& query : kQueries) {
        benchmark::RegisterBenchmark(query.name, SearchArchive, query.typed, query.toEnd)
            ->Unit(benchmark::kMillisecond);
    }
}
const bool kRegistered = (RegisterArchiveSearches(), true);

// Until the list shows its first results, or says there are none: the
// event loop runs the band's slices. `cold`: a new band each time, whose
// archive index is not built yet.
void SearchBandFirstResults(benchmark::State& state, const char* typed, bool cold) {
    const TTapeDocument tape;
    const TTapeArchive archive(BenchArchive::Get().Folder());
    auto band = std::make_unique<TSearchResults>(archive);
    const auto waitForFirst = [&band] {
        while (band->rowCount() == 0 && band->Searching())
            QCoreApplication::processEvents();
    };
    const auto waitForEnd = [&band] {
        while (band->Searching())
            QCoreApplication::processEvents();
    };
    band->SetOpenTapes({{"Cinta 1", &tape}});
    if (!cold) {
        band->Search(QStringLiteral("a"));
        waitForEnd();
    }
    int shown = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            band = std::make_unique<TSearchResults>(archive);
            band->SetOpenTapes({{"Cinta 1", &tape}});
            state.ResumeTiming();
        }
        band->Search(QString::fromUtf8(typed));
        waitForFirst();
        shown = band->rowCount();
        state.PauseTiming();
        waitForEnd();
        state.ResumeTiming();
    }
    state.counters["shown"] = shown;
}

void RegisterSearchBand() {
    struct Query {
        const char* name;
        const char* typed;
        bool cold;
    };
    static const Query kQueries[] = {
        {"BM_SearchBandFirstResults/50MB/cold:factura", "factura", true},
        {"BM_SearchBandFirstResults/50MB/cold:1.250,50", "1.250,50", true},
        {"BM_SearchBandFirstResults/50MB/warm:factura", "factura", false},
        {"BM_SearchBandFirstResults/50MB/warm:1.250,50", "1.250,50", false},
    };
    for (const Query& query : kQueries) {
        benchmark::RegisterBenchmark(query.name, SearchBandFirstResults, query.typed, query.cold)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(query.cold ? 2 : 20);
    }
}
const bool kBandRegistered = (RegisterSearchBand(), true);

// 50 open tapes of 10,000 rows, a comment on one row in four.
struct OpenTapes {
    OpenTapes() {
        for (int t = 0; t < kTapes; ++t) {
            tapes.push_back(std::make_unique<TTapeDocument>());
            TTapeLineReader lines;
            const std::string text = TapeWriter(1000 + t).Tape(kRows * 14);
            size_t start = 0;
            while (lines.Count() < kRows && start < text.size()) {
                const size_t end = text.find("\r\n", start);
                lines.Add(text.substr(start, end - start));
                start = end + 2;
            }
            TTapeLines read = lines.Take();
            tapes.back()->ReplaceRows(std::move(read.rows), read.linkField);
        }
    }
    void Index() {
        indexes.clear();
        scope.openTapes.clear();
        for (int t = 0; t < kTapes; ++t) {
            indexes.push_back(std::make_unique<TOpenTapeIndex>(*tapes[t]));
            std::string name = "Cinta ";
            name += std::to_string(t + 1);
            scope.openTapes.push_back({name, indexes.back().get(), 2});
        }
    }
    static constexpr int kTapes = 50;
    static constexpr size_t kRows = 10'000;
    std::vector<std::unique_ptr<TTapeDocument>> tapes;
    std::vector<std::unique_ptr<TOpenTapeIndex>> indexes;
    TSearchScope scope;
};

void BM_SearchOpenTapesFirst(benchmark::State& state) {
    OpenTapes open;
    for (auto _ : state) {
        state.PauseTiming();
        open.Index();
        state.ResumeTiming();
        benchmark::DoNotOptimize(TTapeSearch("factura", open.scope).Found());
    }
}
BENCHMARK(BM_SearchOpenTapesFirst)
    ->Name("BM_SearchOpenTapesFirst/50x10000")
    ->Unit(benchmark::kMillisecond);

void BM_SearchOpenTapesAfterKey(benchmark::State& state) {
    OpenTapes open;
    open.Index();
    TTapeSearch("factura", open.scope);
    int32_t row = 0;
    for (auto _ : state) {
        open.tapes[7]->WriteField(row++ % 10'000, TTapeField::Comment, "Factura nova");
        benchmark::DoNotOptimize(TTapeSearch("factura", open.scope).Found());
    }
}
BENCHMARK(BM_SearchOpenTapesAfterKey)
    ->Name("BM_SearchOpenTapesAfterKey/50x10000")
    ->Unit(benchmark::kMillisecond);

}  // namespace
