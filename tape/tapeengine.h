#pragma once

// TTapeEngine: the adding machine behind the main window, whose only memory is
// its paper tape (TTapeDocument).
//
// Every number entered is written to a row of the tape together with the
// operator key that followed it, and every result comes from evaluating the
// tape from row 0 (RecalcTape): computed rows (totals and percent amounts) and
// linked rows are rewritten by each evaluation, and the running value before
// the current row is the subtotal. The evaluation keeps the running value
// after each row, so after a change it starts again from the first row the
// change can affect; the result is the one a pass from row 0 gives.
//
// Each user action (a key, a tape command, a paste) is one step of the undo
// history, which puts back the tape, the current row, the entry, the
// subtotal and, for an option change, the options. An action that changes
// nothing on the tape leaves no step.
//
// The engine needs no window: the window that hosts it shows the entry text
// and the subtotal by listening to OnEntryTextChanged and
// OnSubtotalTextChanged, hands what the user types into the display to
// SetEntryText, and wires its keys to the operations below; a TTapeView shows
// the tape.
//
// Failures: an entry that is a lone decimal separator makes TextToFloat throw
// PlatformError; every operation that reads the entry does so before it writes
// anything, so the tape is left as it was. Nothing else throws.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tape/tapecells.h"
#include "tape/tapedocument.h"
#include "tape/tapehistory.h"

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

// The most decimals a value is shown and rounded with.
inline constexpr int32_t kMaxDecimals = 6;

class TTapeEngine {
public:
    using TTextEvent = std::function<void(TTapeEngine* Sender, const std::string& Text)>;
    using TEngineEvent = std::function<void(TTapeEngine* Sender)>;

    // Pesetas per euro.
    static constexpr long double kPesetesPerEuro = 166.386L;

    TTapeEngine();
    ~TTapeEngine();
    TTapeEngine(const TTapeEngine&) = delete;
    TTapeEngine& operator=(const TTapeEngine&) = delete;

    const TTapeDocument& Tape() const { return tape_; }
    // For loading a whole tape and for the view's edits; a change made here
    // outside an Action is not recorded for undo.
    TTapeDocument& EditTape() { return tape_; }

    // ---- Notifications to the hosting window and the view ----
    // The entry text changed (the display shows it).
    TTextEvent OnEntryTextChanged;
    // The subtotal text changed (the subtotal panel shows it).
    TTextEvent OnSubtotalTextChanged;
    // The tape should take the keyboard focus (after an evaluation).
    TEngineEvent OnFocusTape;
    // The decimals the tape shows changed.
    TEngineEvent OnDecimalsChanged;
    // Undo or redo became possible or impossible.
    TEngineEvent OnHistoryChanged;

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
    int32_t Decimals() const { return options_.decimals; }
    // 0 to kMaxDecimals (a value outside is brought inside). Does not refresh.
    void SetDecimals(int32_t decimals);
    bool RoundTotals() const { return options_.roundTotals; }
    void SetRoundTotals(bool on);
    bool RoundCalculations() const { return options_.roundCalculations; }
    void SetRoundCalculations(bool on);
    bool RoundAll() const { return options_.roundAll; }
    void SetRoundAll(bool on);
    // Copied values use a point (on) or a comma (off) as decimal separator.
    bool ConvertOnCopy() const { return convertOnCopy_; }
    void SetConvertOnCopy(bool on) { convertOnCopy_ = on; }
    // True only while a tape row is being deleted: the evaluation then does
    // nothing and yields 0.
    bool RecalcSuspended() const { return recalcSuspended_; }

    // The options menu: each toggle flips its option and refreshes (the
    // decimal separator of copies needs no refresh). Each is a step of the
    // undo history.
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
    // Evaluates the tape, rewriting computed and linked rows, and returns the
    // running value after row `target` (0 for a row before the tape).
    double RecalcTape(int32_t target);
    // Forgets the running values kept from the last evaluation: the next one
    // goes through the whole tape.
    void InvalidateEvaluation() { dirtyFrom_ = 0; }
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
    // Selects a row of the tape (the arrow keys, a click, a script).
    void SelectRow(int32_t row);
    // A click on a row: its value becomes the entry and the subtotal shows the
    // running value before it.
    void RecallRow();
    // A double click: Enter on the last used row.
    void PaperDblClick();
    // Repeats the current row's value at the end of the tape as a live link.
    void LinkValue();
    // Empties every cell, keeping the tape's size, and selects row 0.
    void ClearTape();
    // Puts a whole tape (read from a file) in place of this one, as one step
    // of the history. The rows come back exactly as they were written,
    // computed rows included (the next key evaluates them again); the first
    // free row becomes current, the subtotal is emptied and the next digit
    // starts a new entry.
    void ReplaceTape(std::vector<TTapeRow> rows, bool linkField);
    // Opens an empty row at the current row.
    void OpenRow();
    // Deletes the current row.
    void DeleteTapeRow();
    // Converts every amount between pesetas and euros, then refreshes; rates
    // and the numbers that multiply or divide keep theirs.
    void ConvertTape(TConversion direction);

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

    // ---- Undo and redo ----
    // One user action: the changes made while the outermost Action lives are
    // one step of the history. Actions nest; the engine's own operations
    // open one each, and a caller opens one to join several (a paste that
    // clears the tape first).
    class Action {
    public:
        explicit Action(TTapeEngine& engine);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        TTapeEngine& engine_;
    };
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    void Undo();
    void Redo();
    const TTapeHistory& History() const { return history_; }
    // The state a step puts back besides the tape's rows.
    TTapeState State() const;

private:
    friend class Action;

    void FocusTape();
    void ShowRunningValue();
    void SetOptions(const TTapeOptions& options);
    void SetOption(bool TTapeOptions::*option, bool on);

    // Rows of the tape.
    const std::string& Value(int32_t row) const { return tape_.Value(row); }
    double Number(int32_t row) const { return tape_.Number(row); }
    TTapeOperator Operator(int32_t row) const { return tape_.Operator(row); }
    void WriteValue(int32_t row, const std::string& text);
    void WriteOperator(int32_t row, TTapeOperator op);
    void WriteLink(int32_t row, const std::string& text);
    int32_t CurrentRow() const { return tape_.CurrentRow(); }
    int32_t UsedRows() const { return tape_.UsedRows(); }

    // Pieces of the operations.
    bool TypedOverComputedLastRow(double number) const;
    void LinkRecalledRow();
    using TRenumber = std::function<std::string(double index, const std::string& link)>;
    void RenumberLinks(const TRenumber& renumbered);
    void AppendTapeLine(std::string line);
    std::string CopiedValue(std::string value) const;

    // The evaluation (tapeengine_recalc.cpp).
    double ResultAt(int32_t target) const;
    void Evaluate(int32_t first);

    // Undo (tapeengine_history.cpp).
    void BeginAction();
    void EndAction();
    void Restore(const TTapeState& state, bool options);

    // Keeps the first row a change of the tape can affect.
    class DirtyRows : public TTapeObserver {
    public:
        explicit DirtyRows(int32_t& from) : from_(from) {}
        void TapeRowsChanged(int32_t first, int32_t) override;
        void TapeRowCountChanged() override {}
        void TapeCurrentRowChanged() override {}

    private:
        int32_t& from_;
    };

    TTapeDocument tape_;
    TTapeHistory history_;

    std::string entryText_;
    std::string subtotalText_;
    bool newEntryPending_ = false;
    TTapeOptions options_;
    bool convertOnCopy_ = false;
    bool recalcSuspended_ = false;

    // The evaluation kept from the last pass: the running value after each
    // row, the value RecalcTape gives for each row, and the last row the pass
    // reached. Rows from dirtyFrom_ on are stale.
    std::vector<double> runningAfter_;
    std::vector<double> resultAt_;
    int32_t evaluatedTo_ = -1;
    int32_t dirtyFrom_ = 0;
    DirtyRows dirtyRows_{dirtyFrom_};

    // The action under way.
    int actionDepth_ = 0;
    TTapeChangeLog actionLog_;
    TTapeState actionBefore_;
};
