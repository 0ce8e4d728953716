#include "tape/tapespeech.h"

#include "basic/numbertext.h"
#include "basic/translation.h"
#include "tape/tapecells.h"
#include "tape/tapecounts.h"
#include "tape/tapedocument.h"

namespace {

// What a row is, as the tape draws it apart: the row after an "=" holds the
// total, the row after a "G" the grand total, the row after a "%" the percent
// amount.
enum class TSpokenRowKind { Plain, Total, GrandTotal, Percent };

TSpokenRowKind SpokenRowKind(const TTapeDocument& tape, int32_t row) {
    if (row == 0) return TSpokenRowKind::Plain;
    switch (tape.Operator(row - 1)) {
        case TTapeOperator::Total:
            return TSpokenRowKind::Total;
        case TTapeOperator::GrandTotal:
            return TSpokenRowKind::GrandTotal;
        case TTapeOperator::Percent:
            return TSpokenRowKind::Percent;
        default:
            return TSpokenRowKind::Plain;
    }
}

// The thousands part of a format code that shows a zero instead of a blank.
constexpr int32_t kZeroShown = 1000;

// The value with the kind of row it is ("Total 17,00"); a plain row without
// a value says nothing of it.
std::string SpokenValue(const TTapeDocument& tape, int32_t row, int32_t decimals) {
    const TSpokenRowKind kind = SpokenRowKind(tape, row);
    const TTapeRow& fields = tape.Row(row);
    if (kind == TSpokenRowKind::Plain && fields.Value().empty()) return {};
    const std::string number = FormatNumber(fields.Number(), kZeroShown + decimals);
    switch (kind) {
        case TSpokenRowKind::Total:
            return Filled(Tr("TTapeSpeech", "Total %1"), {number});
        case TSpokenRowKind::GrandTotal:
            return Filled(Tr("TTapeSpeech", "Gran total %1"), {number});
        case TSpokenRowKind::Percent:
            //: A percent amount on the tape
            return Filled(Tr("TTapeSpeech", "Percentatge %1"), {number});
        case TSpokenRowKind::Plain:
            break;
    }
    return number;
}

}  // namespace

// The operator key that followed the value, as one reads it aloud.
std::string SpokenOperator(std::string_view field) {
    switch (OperatorFromText(field)) {
        case TTapeOperator::Plus:
            return Tr("TTapeSpeech", "més");
        case TTapeOperator::Minus:
            return Tr("TTapeSpeech", "menys");
        case TTapeOperator::Times:
            //: Multiplied by
            return Tr("TTapeSpeech", "per");
        case TTapeOperator::Divide:
            return Tr("TTapeSpeech", "dividit per");
        case TTapeOperator::Total:
            return Tr("TTapeSpeech", "igual");
        case TTapeOperator::Percent:
            return Tr("TTapeSpeech", "per cent");
        case TTapeOperator::GrandTotal:
            return Tr("TTapeSpeech", "gran total");
        case TTapeOperator::Other:
            return std::string(field);
        case TTapeOperator::None:
            break;
    }
    return {};
}

namespace {

// How many items a total holds, or how many totals a grand total sums.
std::string SpokenCount(const TTapeDocument& tape, int32_t row) {
    const std::optional<int32_t> count = tape.Counts().Shown(row);
    if (!count) return {};
    const std::string number = std::to_string(*count);
    if (tape.Operator(row - 1) == TTapeOperator::GrandTotal)
        return Filled(Tr("TTapeSpeech", "totals: %1"), {number});
    return Filled(Tr("TTapeSpeech", "elements: %1"), {number});
}

void Append(std::string& text, const std::string& part, const char* separator) {
    if (part.empty()) return;
    if (!text.empty()) text += separator;
    text += part;
}

}  // namespace

std::string TapeRowSpeech(const TTapeDocument& tape, int32_t row, int32_t decimals) {
    const TTapeRow& fields = tape.Row(row);
    if (fields.IsEmpty()) return Tr("TTapeSpeech", "Fila buida");
    std::string text = SpokenValue(tape, row, decimals);
    Append(text, SpokenCount(tape, row), ", ");
    Append(text, SpokenOperator(fields.OperatorField()), " ");
    if (fields.HasLink()) {
        const std::string source = std::to_string(int64_t{fields.LinkSource()} + 1);
        Append(text, Filled(Tr("TTapeSpeech", "enllaçat a la fila %1"), {source}), ", ");
    }
    Append(text, std::string(fields.Comment()), ", ");
    return text;
}
