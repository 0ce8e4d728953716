#include "tape/tapelook.h"

#include "tape/tapedocument.h"

TTapeRowLook TapeRowLook(const TTapeDocument& tape, int32_t row) {
    TTapeRowLook look;
    if (row > 0) {
        const TTapeOperator above = tape.Operator(row - 1);
        if (AsksForResult(above)) {
            look = {kTotalInk, true, above == TTapeOperator::GrandTotal};
        } else if (above == TTapeOperator::Percent) {
            look.bold = true;
        }
    }
    if (tape.Row(row).HasLink()) look.ink = kLinkedInk;
    return look;
}

namespace {

std::string CountMark(int32_t count, bool grandTotal) {
    return (grandTotal ? "GT " : "") + std::to_string(count) + " \u00B7";
}

bool IsGrandTotal(const TTapeDocument& tape, int32_t row) {
    return row > 0 && tape.Operator(row - 1) == TTapeOperator::GrandTotal;
}

}  // namespace

std::string TapeCountMark(const TTapeDocument& tape, int32_t row) {
    const std::optional<int32_t> count = tape.Counts().Shown(row);
    return count ? CountMark(*count, IsGrandTotal(tape, row)) : std::string();
}

std::string RunningCountMark(const TTapeDocument& tape, int32_t row) {
    const int32_t count = tape.Counts().Running(row);
    return count > 0 ? CountMark(count, IsGrandTotal(tape, row)) : std::string();
}
