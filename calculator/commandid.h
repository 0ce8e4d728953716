#pragma once

// The commands of the main window: every key of the keypad, every tax and
// tool button, every item of the options menu and every keyboard key the
// window maps. Their keys, texts and actions are in the command table
// (commandtable.h).

#include <cstdint>

#include "tape/tapekeys.h"
#include "tape/tapeoptions.h"

enum class TCommandId : uint8_t {
    // The keys of the keypad come first, one a key of the engine, in the order
    // of TTapeKey (KeyCommand).
    LastKey = static_cast<uint8_t>(TTapeKey::MemoryClear),
    // The tax and margin keys.
    ChooseVat,
    AddVat,
    TaxableBase,
    VatAmount,
    AddMargin,
    RemoveMargin,
    // The tape.
    EditDisplay,
    EditComment,
    LinkValue,
    ClearTape,
    OpenRow,
    DeleteRow,
    ToPesetas,
    ToEuros,
    // The clipboard.
    CopyResult,
    CopyResultAndAppend,
    CopyValues,
    CopyTape,
    PasteReplace,
    PasteAppend,
    // The options menu.
    Decimals0,
    Decimals6 = Decimals0 + kMaxDecimals,
    RoundTotals,
    RoundCalculations,
    RoundAll,
    ConvertOnCopy,
    FixedDecimals,
    VatRates,
    Undo,
    Redo,
    SaveTape,
    OpenTape,
    EarlierTapes,
    ExportPdf,
    ExportCsv,
    PrintTape,
    // The tabs.
    NewTape,
    NextTape,
    PreviousTape,
    RenameTape,
    CloseTape,
    Search,
    StaysOnTop,
    // The window.
    Options,
    Interest,
    Exit,
    Close,
};

inline constexpr int kCommandCount = static_cast<int>(TCommandId::Close) + 1;

// The keypad's command of an engine key, and the key of such a command.
constexpr TCommandId KeyCommand(TTapeKey key) {
    return static_cast<TCommandId>(key);
}
constexpr bool IsKeyCommand(TCommandId command) {
    return command <= TCommandId::LastKey;
}

// The command that chooses `decimals` decimals.
constexpr TCommandId DecimalsCommand(int32_t decimals) {
    return static_cast<TCommandId>(static_cast<int>(TCommandId::Decimals0) + decimals);
}
