// TTapeEngine: the tax and margin keys. None computes anything itself: each
// writes the number, the rate or a factor on the tape, and the evaluation does
// the arithmetic.

#include "basic/numbertext.h"
#include "tape/tapeengine.h"

namespace {

// The factor that adds a percentage, (100 + p) / 100, and the one that takes
// it off, (100 - p) / 100.
double Raised(double percent) {
    return (100 + percent) / 100;
}
double Lowered(double percent) {
    return (100 - percent) / 100;
}

}  // namespace

// The number with "+", the rate with "%", and the tax amount on the next row.
void TTapeEngine::AddTax(const std::string& entry, double rate) {
    Action action(*this);
    ApplyOperator(entry, TTapeOperator::Plus);
    ApplyOperator(FloatToPlainText(rate), TTapeOperator::Percent);
    EnterEntry();
}

// The total row holds entry / (1 + rate / 100).
void TTapeEngine::TaxableBase(const std::string& entry, double rate) {
    Action action(*this);
    ApplyOperator(entry, TTapeOperator::Divide);
    ApplyOperator(FactorText(Raised(rate)), TTapeOperator::Total);
}

// The row after the rate holds entry * rate / 100, and so does the running
// value.
void TTapeEngine::TaxAmount(const std::string& entry, double rate) {
    Action action(*this);
    ApplyOperator(entry, TTapeOperator::Times);
    ApplyOperator(FloatToPlainText(rate), TTapeOperator::Percent);
    EnterEntry();
}

// Over cost: the cost plus `margin` % of it. Over the selling price, and for a
// discount: the price whose `margin` % leaves the entry.
void TTapeEngine::AddMargin(const std::string& entry, double margin, TMarginType type) {
    Action action(*this);
    if (type == TMarginType::OverCost) {
        ApplyOperator(entry, TTapeOperator::Plus);
        ApplyOperator(FloatToPlainText(margin), TTapeOperator::Percent);
        EnterEntry();
    } else {
        ApplyOperator(entry, TTapeOperator::Divide);
        ApplyOperator(FactorText(Lowered(margin)), TTapeOperator::Total);
    }
}

// Over cost: the cost under a price that carries `margin` % over it. Over the
// selling price, and for a discount: the price less `margin` % of it.
void TTapeEngine::RemoveMargin(const std::string& entry, double margin, TMarginType type) {
    Action action(*this);
    if (type == TMarginType::OverCost) {
        ApplyOperator(entry, TTapeOperator::Divide);
        ApplyOperator(FactorText(Raised(margin)), TTapeOperator::Total);
    } else {
        ApplyOperator(entry, TTapeOperator::Minus);
        ApplyOperator(FloatToPlainText(margin), TTapeOperator::Percent);
        EnterEntry();
    }
}

// With RoundTotals, a factor such as 1.16 is written with `Decimals` decimals,
// but only when that text is the factor itself: 1.055 or 0.875 rounded to two
// decimals would divide by the wrong number, so they keep their digits.
std::string TTapeEngine::FactorText(double factor) const {
    if (options_.roundTotals) {
        std::string fixed = FloatToFixedText(factor, options_.decimals);
        if (TextToFloat(fixed) == factor) return fixed;
    }
    return FloatToPlainText(factor);
}
