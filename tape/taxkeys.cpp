#include "tape/taxkeys.h"

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

// The entry with `first`, then `percent` with "%", then Enter: the row after
// the percentage holds the amount.
void WithPercentage(TTapeEngine& engine, TTapeOperator first, double percent) {
    TTapeEngine::Action action(engine);
    engine.ApplyOperator(engine.EntryText(), first);
    engine.ApplyOperator(FloatToPlainText(percent), TTapeOperator::Percent);
    engine.EnterEntry();
}

// The entry divided by `factor`, as a total.
void DividedBy(TTapeEngine& engine, double factor) {
    TTapeEngine::Action action(engine);
    engine.ApplyOperator(engine.EntryText(), TTapeOperator::Divide);
    engine.ApplyOperator(FactorText(engine.Options(), factor), TTapeOperator::Total);
}

}  // namespace

TMarginType MarginTypeFromIndex(int index) {
    return index == 1   ? TMarginType::OverCost
           : index == 2 ? TMarginType::Discount
                        : TMarginType::OverSalePrice;
}

void AddTax(TTapeEngine& engine, double rate) {
    WithPercentage(engine, TTapeOperator::Plus, rate);
}

void TaxableBase(TTapeEngine& engine, double rate) {
    DividedBy(engine, Raised(rate));
}

void TaxAmount(TTapeEngine& engine, double rate) {
    WithPercentage(engine, TTapeOperator::Times, rate);
}

// Over cost: the cost plus `margin` % of it. Over the selling price, and for a
// discount: the price whose `margin` % leaves the entry.
void AddMargin(TTapeEngine& engine, double margin, TMarginType type) {
    if (type == TMarginType::OverCost) {
        WithPercentage(engine, TTapeOperator::Plus, margin);
    } else {
        DividedBy(engine, Lowered(margin));
    }
}

// Over cost: the cost under a price that carries `margin` % over it. Over the
// selling price, and for a discount: the price less `margin` % of it.
void RemoveMargin(TTapeEngine& engine, double margin, TMarginType type) {
    if (type == TMarginType::OverCost) {
        DividedBy(engine, Raised(margin));
    } else {
        WithPercentage(engine, TTapeOperator::Minus, margin);
    }
}

// With RoundTotals, a factor such as 1.16 is written with `Decimals` decimals,
// but only when that text is the factor itself: 1.055 or 0.875 rounded to two
// decimals would divide by the wrong number, so they keep their digits.
std::string FactorText(const TTapeOptions& options, double factor) {
    if (options.roundTotals) {
        std::string fixed = FloatToFixedText(factor, options.decimals);
        if (TextToFloat(fixed) == factor) return fixed;
    }
    return FloatToPlainText(factor);
}
