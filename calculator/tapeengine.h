#pragma once

// TTapeEngine: the adding machine behind the main window, whose only memory is
// its paper tape.
//
// Every number entered is written to a row of the tape `Paper` together with
// the operator key that followed it, and every result comes from evaluating
// the tape again from row 0 (RecalcTape): computed rows (totals and percent
// amounts) and linked rows are rewritten by each evaluation, and the running
// value before the current row is the subtotal.
//
// The engine is given the tape grid, configures it as the tape (three columns,
// 300 rows, whole-row selection, a tab between fields, the value column drawn
// as numbers with `Decimals` decimals) and takes over its drawing, click and
// double-click events. It needs no window: the window that hosts it shows the
// entry text in its display and the subtotal text in its subtotal panel by
// listening to OnEntryTextChanged and OnSubtotalTextChanged, hands what the
// user types into the display to SetEntryText, and wires its keys to the
// operations below.
//
// Failures: an entry that is a lone decimal separator makes TextToFloat throw
// PlatformError; every operation that reads the entry does so before it writes
// anything, so the tape is left as it was. Nothing else throws.

#include <QPointer>
#include <cstdint>
#include <functional>
#include <string>

#include "calculator/tapecells.h"
#include "controls/grid/gridtypes.h"

class TGridEx;
class TGridCanvas;
class TStringList;

// The keys that edit the entry text (TeclaClick).
enum class TEntryKey : uint8_t {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Comma,  // appends a comma, the typed decimal separator
    Sign,   // negates the entry
};
// The key of a digit 0 to 9.
constexpr TEntryKey DigitKey(int digit) {
    return static_cast<TEntryKey>(digit);
}

// The direction of ConvertTape.
enum class TConversion : uint8_t { ToPesetas, ToEuros };

// What the margin percentage means (the index of the margin-type combo box).
enum class TMarginType : uint8_t {
    OverSalePrice = 0,  // "Marge S/PVP": the margin is a share of the selling price
    OverCost = 1,       // "Marge S/Cost": the margin is added to the cost
    Discount = 2,       // "Descompte"
};
// Any index other than 0, 1 or 2 counts as 0.
TMarginType MarginTypeFromIndex(int index);

class TTapeEngine {
public:
    using TTextEvent = std::function<void(TTapeEngine* Sender, const std::string& Text)>;
    using TEngineEvent = std::function<void(TTapeEngine* Sender)>;

    // Pesetas per euro.
    static constexpr long double kPesetesPerEuro = 166.386L;

    // Configures `paper` as the tape and assigns its OnDrawCell, OnClick and
    // OnDblClick. The grid must outlive the engine's use of it; the engine
    // takes its handlers back when it is destroyed first.
    explicit TTapeEngine(TGridEx& paper);
    ~TTapeEngine();
    TTapeEngine(const TTapeEngine&) = delete;
    TTapeEngine& operator=(const TTapeEngine&) = delete;

    TGridEx& Paper() const { return paper_; }

    // ---- Notifications to the hosting window ----
    // The entry text changed (the display shows it).
    TTextEvent OnEntryTextChanged;
    // The subtotal text changed (the subtotal panel shows it).
    TTextEvent OnSubtotalTextChanged;
    // The tape should take the keyboard focus (after an evaluation). Without a
    // handler the engine focuses the tape itself when it is on screen.
    TEngineEvent OnFocusTape;

    // ---- Entry and subtotal ----
    const std::string& EntryText() const { return entryText_; }
    // Also what the window calls when the user edits the display.
    void SetEntryText(const std::string& text);
    const std::string& SubtotalText() const { return subtotalText_; }
    // The subtotal text := FormatNumber(value, Decimals), so 0 shows nothing.
    void ShowSubtotal(double value);
    // The next entry key first empties the entry text.
    bool NewEntryPending() const { return newEntryPending_; }
    void SetNewEntryPending(bool pending) { newEntryPending_ = pending; }

    // ---- Options ----
    int32_t Decimals() const { return decimals_; }
    // 0 to 6 (a value outside is brought inside); the tape's value column
    // shows as many decimals. Does not refresh.
    void SetDecimals(int32_t decimals);
    bool RoundTotals() const { return roundTotals_; }
    void SetRoundTotals(bool on) { roundTotals_ = on; }
    bool RoundCalculations() const { return roundCalculations_; }
    void SetRoundCalculations(bool on) { roundCalculations_ = on; }
    bool RoundAll() const { return roundAll_; }
    void SetRoundAll(bool on) { roundAll_ = on; }
    // Copied values use a point (on) or a comma (off) as decimal separator.
    bool ConvertOnCopy() const { return convertOnCopy_; }
    void SetConvertOnCopy(bool on) { convertOnCopy_ = on; }
    // True only while a tape row is being deleted: the evaluation then does
    // nothing and yields 0.
    bool RecalcSuspended() const { return recalcSuspended_; }

    // The options menu: each toggle flips its option and refreshes (the
    // decimal separator of copies needs no refresh).
    void ToggleRoundTotals();
    void ToggleRoundCalculations();
    void ToggleRoundAll();
    void ToggleConvertOnCopy() { convertOnCopy_ = !convertOnCopy_; }
    // SetDecimals, then refresh.
    void ChooseDecimals(int32_t decimals);
    // Evaluates the tape again, shows the subtotal and repaints the tape.
    void Refresh();

    // ---- Evaluation ----
    // Records `entry` on the tape with the operator that followed it and
    // evaluates the tape.
    void ApplyOperator(std::string entry, TTapeOperator op);
    // Evaluates the whole tape, rewriting computed and linked rows, and returns
    // the running value after row `target` (0 for a row before the tape).
    double RecalcTape(int32_t target);
    // The "<<" key and the Enter key.
    void EnterEntry();
    // The operator cell of the current row.
    TTapeOperator CurrentRowOperator() const;
    // The operator cell of the row above the current one; Plus on row 0.
    TTapeOperator PreviousRowOperator() const;

    // ---- Keypad ----
    void TeclaClick(TEntryKey key);
    void TeclaMesClick() { ApplyOperator(entryText_, TTapeOperator::Plus); }
    void TeclaMenysClick() { ApplyOperator(entryText_, TTapeOperator::Minus); }
    void TeclaMultiplicarClick() { ApplyOperator(entryText_, TTapeOperator::Times); }
    void TeclaDividirClick() { ApplyOperator(entryText_, TTapeOperator::Divide); }
    void TeclaPercentClick() { ApplyOperator(entryText_, TTapeOperator::Percent); }
    void TeclaIgualClick();
    void TeclaIntroClick() { EnterEntry(); }
    // "C": empties the entry text.
    void TeclaBorrarClick() { SetEntryText({}); }
    // "<": the entry text loses its last character.
    void TeclaDarreraClick();

    // ---- Tape commands ----
    // A click on a row: its value becomes the entry and the subtotal shows the
    // running value before it.
    void RecallRow();
    // A double click: Enter on the last used row.
    void PaperDblClick();
    // Repeats the current row's value at the end of the tape as a live link.
    void LinkValue();
    // Empties every cell, keeping the tape's size, and selects row 0.
    void ClearTape();
    // Opens an empty row at the current row.
    void OpenRow();
    // Deletes the current row.
    void DeleteTapeRow();
    // Converts every amount between pesetas and euros, then refreshes; rates
    // and the numbers that multiply or divide keep theirs.
    void ConvertTape(TConversion direction);

    // The tape's drawing handler: colours and font of a cell.
    void PaperDrawCell(TGridEx* Sender, int32_t ACol, int32_t ARow, const QRect& Rect,
                       TGridDrawState State, TGridCanvas& Canvas);

    // ---- VAT and margin keys ----
    // Each plays a short sequence of ApplyOperator and EnterEntry, so the tax or
    // margin lands on the tape as ordinary rows. `entry` is the entry text,
    // `rate` and `margin` are percentages.
    void AddTax(const std::string& entry, double rate);       // "+ Iva"
    void TaxableBase(const std::string& entry, double rate);  // "Base Imp"
    void TaxAmount(const std::string& entry, double rate);    // "Quota Iva"
    void AddMargin(const std::string& entry, double margin, TMarginType type);
    void RemoveMargin(const std::string& entry, double margin, TMarginType type);
    // The text of a divisor such as 1.16: with RoundTotals, written with
    // `Decimals` decimals when that text is exactly the factor.
    std::string FactorText(double factor) const;

    // ---- Clipboard text ----
    // The total that belongs to the current position: the first total at or
    // below the current row, else the nearest one above it.
    std::string ResultText() const;
    // The texts that the copy commands put on the clipboard; lines end in CR LF.
    std::string CopyResultText() const;
    std::string CopyValuesText() const;
    std::string CopyTapeText() const;
    // Appends text lines (pasted or dropped) to the tape: numbers with either
    // decimal separator, or whole tape lines as CopyTapeText writes them.
    void AddLinesToTape(const TStringList& lines);

private:
    void ConfigurePaper();
    void FocusTape();
    void ShowRunningValue();

    // Cells of the tape.
    std::string Value(int32_t row) const;
    double Number(int32_t row) const;
    TTapeOperator Operator(int32_t row) const;
    std::string Link(int32_t row) const;
    void WriteValue(int32_t row, const std::string& text);
    void WriteOperator(int32_t row, TTapeOperator op);
    void WriteLink(int32_t row, const std::string& text);
    int32_t CurrentRow() const;
    int32_t UsedRows() const;
    void SelectRow(int32_t row);

    // Pieces of the operations.
    bool TypedOverComputedLastRow(double number) const;
    void LinkRecalledRow();
    using TRenumber = std::function<std::string(double index, const std::string& link)>;
    void RenumberLinks(const TRenumber& renumbered);
    void AppendTapeLine(std::string line);
    std::string CopiedValue(std::string value) const;

    TGridEx& paper_;
    QPointer<TGridEx> paperAlive_;

    std::string entryText_;
    std::string subtotalText_;
    bool newEntryPending_ = false;
    int32_t decimals_ = 2;
    bool roundTotals_ = true;
    bool roundCalculations_ = true;
    bool roundAll_ = false;
    bool convertOnCopy_ = false;
    bool recalcSuspended_ = false;
};
