// Feeds random texts to the reading of a search query, and random values to
// the number reading through the text the tape shows them with. Besides
// memory errors and undefined behaviour, it stops when
//  - a query reads as more than two numbers, or as a NaN;
//  - a folded text is not well-formed UTF-8, holds a line break (which would
//    let a match run from one comment into the next), starts or ends with a
//    blank or holds two in a row, or changes when folded again;
//  - a comment is not found by its own text typed as the query;
//  - a value is not found by the text the tape shows it with.

#include <fuzzer/FuzzedDataProvider.h>

#include <QLocale>
#include <QString>
#include <cmath>
#include <cstdlib>
#include <string>

#include "basic/numbertext.h"
#include "tape/taperow.h"
#include "tapesearch/foldedtext.h"
#include "tapesearch/rowtexts.h"
#include "tapesearch/searchquery.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckFolded(const std::string& folded) {
    Check(QString::fromUtf8(folded).toUtf8().toStdString() == folded);
    Check(folded.find('\n') == std::string::npos);
    Check(folded.empty() || (folded.front() != ' ' && folded.back() != ' '));
    Check(folded.find("  ") == std::string::npos);
    Check(FoldedText(folded) == folded);
}

void CheckQuery(const std::string& typed) {
    const TSearchQuery query = ReadSearchQuery(typed);
    Check(query.numbers.size() <= 2);
    for (const double number : query.numbers)
        Check(!std::isnan(number));
    CheckFolded(query.text);

    const std::string comment = TapeComment(typed);
    const std::string folded = FoldedText(comment);
    CheckFolded(folded);
    const TSearchQuery own = ReadSearchQuery(comment);
    if (own.text.empty()) return;
    TRowTexts rows;
    rows.Add(2, "before");
    rows.Add(3, folded);
    rows.Add(9, "after");
    bool found = false;
    rows.ForEachContaining(own.text, 0, 10, [&found](int32_t row) { found = found || row == 3; });
    Check(found);
}

void CheckShownValue(double value, int32_t decimals) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e12) return;
    const std::string shown = FormatNumber(value, decimals);
    if (shown.empty()) return;
    Check(TValueMatch(ReadSearchQuery(shown).numbers, decimals)(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool kCatalan = [] {
        QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
        return true;
    }();
    (void)kCatalan;
    FuzzedDataProvider provider(data, size);
    const double value = provider.ConsumeFloatingPoint<double>();
    const auto decimals = provider.ConsumeIntegralInRange<int32_t>(0, 6);
    CheckShownValue(value, decimals);
    CheckQuery(provider.ConsumeRemainingBytesAsString());
    return 0;
}
