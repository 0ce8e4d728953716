// TTapeEngine: the tape grid, the entry and subtotal texts, the options and the
// entry keys.

#include "calculator/tapeengine.h"

#include <algorithm>

#include "basic/numbertext.h"
#include "controls/grid/gridex.h"

namespace {

// The tape as the window's form lays it out.
constexpr int32_t kTapeRows = 300;
constexpr int32_t kTapeColumns = 3;
constexpr int32_t kValueWidth = 118;
constexpr int32_t kOperatorWidth = 25;
constexpr int32_t kTapeRowHeight = 16;
// Kind 5: numbers in the display form with the column's decimals.
constexpr int32_t kNumberColumnKind = 5;

constexpr int32_t kMaxDecimals = 6;

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

TTapeEngine::TTapeEngine(TGridEx& paper) : paper_(paper), paperAlive_(&paper) {
    ConfigurePaper();
    paper_.OnDrawCell = [this](TGridEx* sender, int32_t col, int32_t row, const QRect& rect,
                               TGridDrawState state, TGridCanvas& canvas) {
        PaperDrawCell(sender, col, row, rect, state, canvas);
    };
    paper_.OnClick = [this](TGridEx*) { RecallRow(); };
    paper_.OnDblClick = [this](TGridEx*) { PaperDblClick(); };
}

TTapeEngine::~TTapeEngine() {
    if (paperAlive_.isNull()) return;
    paper_.OnDrawCell = nullptr;
    paper_.OnClick = nullptr;
    paper_.OnDblClick = nullptr;
}

// Three columns (the hidden column 0, the values, the operators); the link
// column appears, zero wide, when a link is first written.
void TTapeEngine::ConfigurePaper() {
    if (paper_.objectName().isEmpty()) paper_.setObjectName("Paper");
    paper_.SetRowCount(kTapeRows);
    paper_.SetColCount(kTapeColumns);
    paper_.SetFixedRows(0);
    paper_.SetFixedCols(0);
    paper_.SetDefaultRowHeight(kTapeRowHeight);
    paper_.SetSn_ColumnaZero(false);
    paper_.SetSn_Editable(false);
    paper_.SetColWidths(0, -1);
    paper_.SetColWidths(kValueColumn, kValueWidth);
    paper_.SetColWidths(kOperatorColumn, kOperatorWidth);
    paper_.SetScrollBars(TScrollStyle::ssVertical);
    paper_.SetSeparadorCamps('\t');
    paper_.SetOpcionsSeleccio(osPerNumeroFila);
    paper_.Columnes[kValueColumn].Tipus = kNumberColumnKind;
    paper_.Columnes[kValueColumn].Decimals = decimals_;
    paper_.PosarFilaActual(0);
}

void TTapeEngine::FocusTape() {
    if (OnFocusTape) {
        OnFocusTape(this);
    } else if (paper_.isVisible()) {
        paper_.setFocus(Qt::OtherFocusReason);
    }
}

// ---- Entry and subtotal ---------------------------------------------------

void TTapeEngine::SetEntryText(const std::string& text) {
    if (text == entryText_) return;
    entryText_ = text;
    if (OnEntryTextChanged) OnEntryTextChanged(this, entryText_);
}

void TTapeEngine::ShowSubtotal(double value) {
    std::string text = FormatNumber(value, decimals_);
    if (text == subtotalText_) return;
    subtotalText_ = std::move(text);
    if (OnSubtotalTextChanged) OnSubtotalTextChanged(this, subtotalText_);
}

// The running value before the current row.
void TTapeEngine::ShowRunningValue() {
    ShowSubtotal(RecalcTape(CurrentRow() - 1));
}

// ---- Options ----------------------------------------------------------------

void TTapeEngine::SetDecimals(int32_t decimals) {
    decimals_ = std::clamp(decimals, 0, kMaxDecimals);
    paper_.Columnes[kValueColumn].Tipus = kNumberColumnKind;
    paper_.Columnes[kValueColumn].Decimals = decimals_;
}

void TTapeEngine::ChooseDecimals(int32_t decimals) {
    SetDecimals(decimals);
    Refresh();
}

void TTapeEngine::ToggleRoundTotals() {
    roundTotals_ = !roundTotals_;
    Refresh();
}

void TTapeEngine::ToggleRoundCalculations() {
    roundCalculations_ = !roundCalculations_;
    Refresh();
}

void TTapeEngine::ToggleRoundAll() {
    roundAll_ = !roundAll_;
    Refresh();
}

void TTapeEngine::Refresh() {
    ShowRunningValue();
    paper_.Invalidate();
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
    ApplyOperator(entryText_, TTapeOperator::Total);
    newEntryPending_ = true;
}

void TTapeEngine::TeclaDarreraClick() {
    std::string text = entryText_;
    text.resize(text.size() - (text.empty() ? 0 : LastCharacterLength(text)));
    SetEntryText(text);
}
