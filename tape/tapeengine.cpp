// TTapeEngine: the entry and subtotal texts, the options and the entry keys.

#include "tape/tapeengine.h"

#include <algorithm>

#include "basic/numbertext.h"

namespace {

// The length of the last character of a UTF-8 text (the entry is ASCII when
// typed, but the display may be edited freely).
size_t LastCharacterLength(const std::string& text) {
    size_t length = 1;
    while (length < text.size() &&
           (static_cast<unsigned char>(text[text.size() - length]) & 0xC0) == 0x80) {
        ++length;
    }
    return std::min(length, text.size());
}

}  // namespace

TMarginType MarginTypeFromIndex(int index) {
    return index == 1   ? TMarginType::OverCost
           : index == 2 ? TMarginType::Discount
                        : TMarginType::OverSalePrice;
}

TTapeEngine::TTapeEngine() {
    tape_.AddObserver(&dirtyRows_);
    history_.OnChanged = [this] {
        if (OnHistoryChanged) OnHistoryChanged(this);
    };
}

TTapeEngine::~TTapeEngine() {
    tape_.RemoveObserver(&dirtyRows_);
}

void TTapeEngine::FocusTape() {
    if (OnFocusTape) OnFocusTape(this);
}

// ---- Entry and subtotal ---------------------------------------------------

void TTapeEngine::SetEntryText(const std::string& text) {
    if (text == entryText_) return;
    entryText_ = text;
    if (OnEntryTextChanged) OnEntryTextChanged(this, entryText_);
}

void TTapeEngine::ShowSubtotal(double value) {
    std::string text = FormatNumber(value, options_.decimals);
    if (text == subtotalText_) return;
    subtotalText_ = std::move(text);
    if (OnSubtotalTextChanged) OnSubtotalTextChanged(this, subtotalText_);
}

// The running value before the current row.
void TTapeEngine::ShowRunningValue() {
    ShowSubtotal(RecalcTape(CurrentRow() - 1));
}

// ---- Options ----------------------------------------------------------------

// Every option that changes what the evaluation writes or keeps makes the
// next evaluation go through the whole tape.
void TTapeEngine::SetOptions(const TTapeOptions& options) {
    if (options == options_) return;
    const bool decimals = options.decimals != options_.decimals;
    options_ = options;
    dirtyFrom_ = 0;
    if (decimals && OnDecimalsChanged) OnDecimalsChanged(this);
}

void TTapeEngine::SetDecimals(int32_t decimals) {
    TTapeOptions options = options_;
    options.decimals = std::clamp(decimals, 0, kMaxDecimals);
    SetOptions(options);
}

void TTapeEngine::SetRoundTotals(bool on) {
    SetOption(&TTapeOptions::roundTotals, on);
}

void TTapeEngine::SetRoundCalculations(bool on) {
    SetOption(&TTapeOptions::roundCalculations, on);
}

void TTapeEngine::SetRoundAll(bool on) {
    SetOption(&TTapeOptions::roundAll, on);
}

void TTapeEngine::SetOption(bool TTapeOptions::*option, bool on) {
    TTapeOptions options = options_;
    options.*option = on;
    SetOptions(options);
}

// With every number rounded, the evaluation rewrites most rows: the step
// keeps them as one copy.
void TTapeEngine::ChooseDecimals(int32_t decimals) {
    Action action(*this);
    if (options_.roundAll) tape_.RecordAllRows();
    SetDecimals(decimals);
    Refresh();
}

void TTapeEngine::ToggleRoundTotals() {
    Action action(*this);
    SetRoundTotals(!options_.roundTotals);
    Refresh();
}

void TTapeEngine::ToggleRoundCalculations() {
    Action action(*this);
    SetRoundCalculations(!options_.roundCalculations);
    Refresh();
}

void TTapeEngine::ToggleRoundAll() {
    Action action(*this);
    if (!options_.roundAll) tape_.RecordAllRows();
    SetRoundAll(!options_.roundAll);
    Refresh();
}

// The view repaints the rows the evaluation rewrites; a change of decimals
// alone reaches it through OnDecimalsChanged.
void TTapeEngine::Refresh() {
    Action action(*this);
    ShowRunningValue();
}

// ---- Keypad -----------------------------------------------------------------

// After "=", Enter or a click on the tape, the first key starts a new number.
// The sign key negates the entry; an entry worth zero has no sign to change
// and is left as it stands (so 0, stays 0, while the user types 0,5).
void TTapeEngine::TeclaClick(TEntryKey key) {
    std::string text = newEntryPending_ ? std::string() : entryText_;
    if (key == TEntryKey::Comma) {
        text += ',';
    } else if (key == TEntryKey::Sign) {
        const double value = TextToFloat(text);
        if (value != 0) text = FloatToPlainText(-value);
    } else {
        text += static_cast<char>('0' + static_cast<int>(key));
    }
    SetEntryText(text);
    newEntryPending_ = false;
}

void TTapeEngine::TeclaIgualClick() {
    Action action(*this);
    ApplyOperator(entryText_, TTapeOperator::Total);
    newEntryPending_ = true;
}

void TTapeEngine::TeclaDarreraClick() {
    std::string text = entryText_;
    text.resize(text.size() - (text.empty() ? 0 : LastCharacterLength(text)));
    SetEntryText(text);
}
