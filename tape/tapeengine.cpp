// TTapeEngine: the entry and subtotal texts, the options and the keys.

#include "tape/tapeengine.h"

#include <algorithm>

#include "basic/numbertext.h"
#include "basic/texttools.h"
#include "tape/fixedentry.h"

namespace {

// Every number is rewritten when rounding them all is turned on, or when the
// decimals change while it is on.
bool RewritesEveryNumber(const TTapeOptions& before, const TTapeOptions& after) {
    return after.roundAll && (!before.roundAll || before.decimals != after.decimals);
}

TTapeOptions WithinRange(TTapeOptions options) {
    options.decimals = std::clamp(options.decimals, 0, kMaxDecimals);
    return options;
}

}  // namespace

TTapeEngine::TTapeEngine() {
    history_.OnChanged = [this] { Q_EMIT HistoryChanged(); };
}

TTapeEngine::~TTapeEngine() = default;

// ---- Entry and subtotal ---------------------------------------------------

// An entry set as a whole (edited, recalled, recalled from the memory) is
// no number being shaped.
void TTapeEngine::SetEntryText(const std::string& text) {
    shapedEntry_ = false;
    if (text == entryText_) return;
    entryText_ = text;
    Q_EMIT EntryTextChanged(entryText_);
}

void TTapeEngine::ShowSubtotal(double value) {
    SetSubtotalText(FormatNumber(value, options_.decimals));
}

void TTapeEngine::SetSubtotalText(const std::string& text) {
    if (text == subtotalText_) return;
    subtotalText_ = text;
    Q_EMIT SubtotalTextChanged(subtotalText_);
}

// The running value before the current row.
void TTapeEngine::ShowRunningValue() {
    ShowSubtotal(RecalcTape(CurrentRow() - 1));
}

// ---- Options ----------------------------------------------------------------

// Every option that changes what the evaluation writes or keeps makes the
// next evaluation go through the whole tape.
void TTapeEngine::SetOptions(const TTapeOptions& options) {
    const TTapeOptions chosen = WithinRange(options);
    if (chosen == options_) return;
    if (!EvaluatesAlike(chosen, options_)) evaluation_.Invalidate();
    options_ = chosen;
    Q_EMIT SettingsChanged();
}

// With every number rounded, the evaluation rewrites most rows: the step
// keeps them as one copy. The decimal separator of copies changes nothing
// on the tape and is no step.
void TTapeEngine::ChangeOptions(const TTapeOptions& options) {
    const TTapeOptions chosen = WithinRange(options);
    if (EvaluatesAlike(chosen, options_)) {
        SetOptions(chosen);
        return;
    }
    Action action(*this);
    if (RewritesEveryNumber(options_, chosen)) tape_.RecordAllRows();
    SetOptions(chosen);
    Refresh();
}

// The view repaints the rows the evaluation rewrites.
void TTapeEngine::Refresh() {
    Action action(*this);
    ShowRunningValue();
}

// ---- Keys -------------------------------------------------------------------

void TTapeEngine::Press(TTapeKey key) {
    if (IsEntryKey(key)) return PressEntryKey(key);
    switch (key) {
        case TTapeKey::Clear:
            return SetEntryText({});
        case TTapeKey::Backspace:
            return TeclaDarreraClick();
        case TTapeKey::Plus:
            return ApplyOperator(entryText_, TTapeOperator::Plus);
        case TTapeKey::Minus:
            return ApplyOperator(entryText_, TTapeOperator::Minus);
        case TTapeKey::Times:
            return ApplyOperator(entryText_, TTapeOperator::Times);
        case TTapeKey::Divide:
            return ApplyOperator(entryText_, TTapeOperator::Divide);
        case TTapeKey::Percent:
            return ApplyOperator(entryText_, TTapeOperator::Percent);
        case TTapeKey::Total:
            return TeclaIgualClick();
        case TTapeKey::Enter:
            return EnterEntry();
        case TTapeKey::GrandTotal:
            return GrandTotalKey();
        default:
            return MemoryKey(key);
    }
}

// After "=", Enter or a click on the tape, the first key starts a new number.
// The sign key negates the entry; an entry worth zero has no sign to change
// and is left as it stands (so 0, stays 0, while the user types 0,5).
//
// While the fixed-decimal entry is on, a new number is shaped as it is typed
// (fixedentry.h) until a comma ends that; a number begun before it was on
// goes on as typed.
void TTapeEngine::PressEntryKey(TTapeKey key) {
    std::string text = newEntryPending_ ? std::string() : entryText_;
    bool shaped = ShapesNewNumbers() && (text.empty() || shapedEntry_);
    if (shaped) {
        text = ShapedEntryAfterKey(text, key, options_.decimals, shaped);
    } else if (key == TTapeKey::Comma) {
        text += ',';
    } else if (key == TTapeKey::Sign) {
        const double value = TextToFloat(text);
        if (value != 0) text = FloatToPlainText(-value);
    } else {
        text += static_cast<char>('0' + static_cast<int>(key));
    }
    SetEntryText(text);
    shapedEntry_ = shaped;
    newEntryPending_ = false;
}

// With 0 decimals the fixed-decimal entry changes nothing.
bool TTapeEngine::ShapesNewNumbers() const {
    return options_.fixedDecimals && options_.decimals > 0;
}

void TTapeEngine::TeclaIgualClick() {
    Action action(*this);
    ApplyOperator(entryText_, TTapeOperator::Total);
    newEntryPending_ = true;
}

// The display may be edited freely, so the last character may take several
// bytes. A shaped number loses its last digit (12,34 becomes 1,23) and stays
// shaped.
void TTapeEngine::TeclaDarreraClick() {
    if (shapedEntry_ && ShapesNewNumbers()) {
        SetEntryText(ShapedEntryWithoutLastDigit(entryText_, options_.decimals));
        shapedEntry_ = true;
        return;
    }
    std::string text = entryText_;
    text.resize(text.size() - Utf8LastCharacterLength(text));
    SetEntryText(text);
}
