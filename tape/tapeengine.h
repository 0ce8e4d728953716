#pragma once

// TTapeEngine: the adding machine behind the main window, whose only memory is
// its paper tape (TTapeDocument).
//
// Every number entered is written to a row of the tape together with the
// operator key that followed it, and every result comes from evaluating the
// tape from row 0 (RecalcTape, kept from one pass to the next by
// TTapeEvaluation): computed rows (totals and percent amounts) and linked
// rows are rewritten by each evaluation, and the running value before the
// current row is the subtotal.
//
// Each user action (a key, a tape command, a paste) is one step of the undo
// history, which puts back the tape, the current row, the entry, the
// subtotal, the memory and, for an option change, the options. An action that
// changes nothing leaves no step; typing a number and MR change only the
// entry and leave none.
//
// Beside the tape the engine keeps a memory (M+ adds the entry, or the
// running value when the entry is empty, rounded as RoundCalculations rounds;
// M- subtracts; MR puts it into the entry as if typed; MC empties it), and
// the grand-total key sums the totals since the last grand total on a row of
// its own under the last total ("G" on the row above it, tapecells.h).
//
// The engine needs no window. Whoever shows it listens to its signals (the
// entry and subtotal texts, the options, the history, an evaluation) and to
// the document's observers, and plays its keys and commands; the tax and
// margin keys (taxkeys.h) and the clipboard texts (tapeclipboard.h) are built
// on this interface.
//
// Failures: an entry that is a lone decimal separator makes TextToFloat throw
// PlatformError; every operation that reads the entry does so before it writes
// anything, so the tape is left as it was. Nothing else throws.

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "tape/tapedocument.h"
#include "tape/tapeevaluation.h"
#include "tape/tapehistory.h"
#include "tape/tapekeys.h"
#include "tape/tapeoptions.h"

class TStringList;

// The direction of ConvertTape.
enum class TConversion : uint8_t { ToPesetas, ToEuros };

// Pesetas per euro.
inline constexpr long double kPesetesPerEuro = 166.386L;

// A write straight into the tape, outside the keys: a field (a comment, a
// cell edited in place on the grid), the room, a row moved or taken out.
struct TFieldEdit {
    int32_t row;
    TTapeField field;
    std::string text;
};
struct TRoomEdit {
    int32_t rows;
};
struct TRowMoveEdit {
    int32_t from;
    int32_t to;
};
struct TRowRemoveEdit {
    int32_t row;
};
using TTapeEdit = std::variant<TFieldEdit, TRoomEdit, TRowMoveEdit, TRowRemoveEdit>;

// A tape as it was kept (a settings file, a tape file and its journal), to be
// taken up exactly as it was: its rows, the room for rows, and the state
// around them (the current row, the entry, NewEntryPending, the subtotal and
// the options). A room of 0 is the room the rows need, with a free row.
struct TKeptTape {
    std::vector<TTapeRow> rows = {};
    bool linkField = false;
    int32_t room = 0;
    TTapeState state = {};
};

class TTapeEngine : public QObject {
    Q_OBJECT

public:
    TTapeEngine();
    ~TTapeEngine() override;

    const TTapeDocument& Tape() const { return tape_; }

    // ---- Entry, subtotal and options ----
    const std::string& EntryText() const { return entryText_; }
    // Also what the window calls when the user edits the display.
    void SetEntryText(const std::string& text);
    const std::string& SubtotalText() const { return subtotalText_; }
    // The subtotal text := FormatNumber(value, Decimals), so 0 shows nothing.
    void ShowSubtotal(double value);
    // The next entry key first empties the entry text.
    bool NewEntryPending() const { return newEntryPending_; }
    const TTapeOptions& Options() const { return options_; }
    // The options menu: the new options, then the tape evaluated again; one
    // step of the undo history when the evaluation changes.
    void ChangeOptions(const TTapeOptions& options);
    // True only while a tape row is being deleted: the evaluation then does
    // nothing and yields 0.
    bool RecalcSuspended() const { return recalcSuspended_; }

    // ---- Keys and the evaluation ----
    // A key of the keypad (or the keyboard key that stands for it).
    void Press(TTapeKey key);
    // Records `entry` on the tape with the operator that followed it and
    // evaluates the tape.
    void ApplyOperator(std::string entry, TTapeOperator op);
    // The "<<" key and the Enter key.
    void EnterEntry();
    // Evaluates the tape, rewriting computed and linked rows, and returns the
    // running value after row `target` (0 for a row before the tape).
    double RecalcTape(int32_t target);
    // Forgets the running values kept from the last evaluation: the next one
    // goes through the whole tape.
    void InvalidateEvaluation() { evaluation_.Invalidate(); }
    // The operator cell of the current row.
    TTapeOperator CurrentRowOperator() const;
    // The operator cell of the row above the current one; Plus on row 0.
    TTapeOperator PreviousRowOperator() const;

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
    // Puts a whole tape (read from a file) in place of this one. The rows
    // come back exactly as they were written, computed rows included (the
    // next key evaluates them again), but for a last row that asks for a
    // computed row: the tape is evaluated at once, so that row is there. The
    // first free row becomes current,
    // the subtotal is emptied and the next digit starts a new entry.
    void ReplaceTape(std::vector<TTapeRow> rows, bool linkField);
    // Opens an empty row at the current row.
    void OpenRow();
    // Deletes the current row.
    void DeleteTapeRow();
    // Converts every amount between pesetas and euros, then refreshes; rates
    // and the numbers that multiply or divide keep theirs.
    void ConvertTape(TConversion direction);
    // Appends text lines (pasted or dropped) to the tape: numbers with either
    // decimal separator, or whole tape lines as a copied tape holds them.
    void AddLinesToTape(const TStringList& lines);
    // A write straight into the tape, as one step.
    void Edit(const TTapeEdit& edit);

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
    void Undo();
    void Redo();
    const TTapeHistory& History() const { return history_; }
    // The state a step puts back besides the tape's rows.
    TTapeState State() const;
    // Takes up a tape as it was kept, without a step and without an
    // evaluation: its rows come back exactly as they were written, computed
    // rows included (the next key evaluates them again). The decimals are
    // brought within 0 to kMaxDecimals.
    void Resume(TKeptTape tape);

Q_SIGNALS:
    void EntryTextChanged(const std::string& text);
    void SubtotalTextChanged(const std::string& text);
    // The options or the memory changed: what the settings file keeps of the
    // calculator besides the tape.
    void SettingsChanged();
    // Undo or redo became possible or impossible.
    void HistoryChanged();
    // The tape was evaluated (after a key, a command, a refresh).
    void Evaluated();

private:
    friend class Action;

    void PressEntryKey(TTapeKey key);
    bool ShapesNewNumbers() const;
    // The grand-total and memory keys (tapeengine_desk.cpp).
    void GrandTotalKey();
    bool EndWithTotal();
    void MemoryKey(TTapeKey key);
    void SetMemory(double memory);
    // Evaluates the tape again and shows the running value before the
    // current row.
    void Refresh();
    void SetOptions(const TTapeOptions& options);
    void TeclaIgualClick();
    void TeclaDarreraClick();
    void ShowRunningValue();
    void SetSubtotalText(const std::string& text);

    // Rows of the tape (tapeengine_cells.cpp).
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
    void AppendTapeLine(const std::string& line);

    // Undo (tapeengine_history.cpp).
    void BeginAction();
    void EndAction();
    void Restore(const TTapeState& state, bool options);

    TTapeDocument tape_;
    TTapeEvaluation evaluation_{tape_};
    TTapeHistory history_;

    std::string entryText_;
    std::string subtotalText_;
    bool newEntryPending_ = false;
    TTapeOptions options_;
    bool recalcSuspended_ = false;
    double memory_ = 0;
    // The entry is a number the fixed-decimal entry shapes as it is typed.
    bool shapedEntry_ = false;

    // The action under way.
    int actionDepth_ = 0;
    TTapeChangeLog actionLog_;
    TTapeState actionBefore_;
};
