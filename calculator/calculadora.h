#pragma once

// TCalculadora: the main window, an adding machine, and the wiring of its
// parts:
//
//   +-- PanelPaper (167) ------+-- PanelTeclat (145) --+
//   | [cSubtotal       ] [X]   | M+ M- MR MC GT        |   5
//   |                          | [ CNumero           ] |  31
//   |                          | PanelNumeros: keypad  |  61
//   | Paper: the tape          |                       |
//   |                          | PanelEspecial: tax    | 201
//   |                          | and margin keys       |
//   +--------------------------+                       |
//   | PanelBotons: tool buttons| [Càlcul Interès ...]  | 344
//   +--------------------------+-----------------------+ 376
//
// The tape set (TTapeSet) holds the open tapes, each a tape engine
// (TTapeEngine) with its tape and its entry, and kept on disk by a settings
// keeper of its own; the tabs over the tape (TTapeTabs) show them. The panels
// follow the tape in use: the tape view shows its tape in the grid `Paper`; the display shows the
// entry and the subtotal (TEntryDisplay), with an adding machine's indicators over them
// (TDeskIndicators); the memory keys (TMemoryKeys), the keypad (TKeypad), the
// tax and margin keys (TTaxPanel), the tool buttons (TToolButtons) and the
// options menu (TOptionsMenu) each play commands of the command table
// (commandtable.h), and so does the keyboard: the window sees every key
// before the focused control (FormKeyDown) and plays the command the key map
// gives. The window
// restores its position, options and tapes when it is created; the tape set
// keeps them on disk after every user action, and writes them whole when the
// window closes.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "calculator/commandcontext.h"
#include "calculator/commandid.h"
#include "calculator/extensionlines.h"
#include "calculator/settingsfile.h"
#include "calculator/tapeset.h"

class TDropTarget;
class TGridEx;
class TInteres;
class TTapeTabs;
class TTaxSettings;

class TCalculadora : public QWidget {
    Q_OBJECT

public:
    explicit TCalculadora(QWidget* parent = nullptr);
    // Writes the settings and tape file (FormDestroy).
    ~TCalculadora() override;

    // The tape in use.
    TTapeEngine& Engine() { return tapes_->Current(); }
    TTapeSet& Tapes() { return *tapes_; }
    TTapeFileCommands& Files() { return *files_; }
    TGridEx& Paper() const;
    TTaxSettings& TaxSettings() { return *taxSettings_; }

    // Plays a command of the command table, as one user action: a failure (a
    // lone comma read as a number, a clipboard error) stops it with a message
    // and the window carries on. False when it failed.
    bool Run(TCommandId command);

    // The keyboard map; sets `key` to 0 when it consumes the key.
    void FormKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers shift,
                     const std::string& text);
    void BotoSortirClick();
    // The check marks show the options as they are now; the menu opens at
    // the button, and the tape takes the focus back when it closes.
    void BotoPropietatsClick();
    void BotoInteresClick();
    TInteres* Interes() const { return interes_; }
    // A close that asks nothing (a termination signal): when the file cannot
    // be written, the journal keeps everything for the next start.
    void CloseWithoutAsking();

    // ---- Settings and tape file ---------------------------------------------
    // Tarvik/Brimsum.Ini in the per-user configuration folder; the folder is
    // created when asked.
    static std::string SettingsFileName(bool createFolder);
    void ReadSettings();
    // Writes the file whole now. Throws PlatformError when it cannot be
    // written: the old file then stays as it was, and the journal beside it
    // keeps every change.
    void WriteSettings();

protected:
    // Key preview: the keys of every control of the window pass FormKeyDown.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void WireEvents();
    void FormCreate();
    void FormClose();
    void FormDestroy();
    void FocusTape();
    // The panels, the tabs and the menu show the tape in use.
    void FollowCurrentTape();
    // The settings as they are now, for the settings file.
    TStoredSettings CurrentSettings() const;
    // Writes the settings file at the end; false when the user chose to stay.
    bool WriteBeforeClosing();

    std::unique_ptr<TTaxSettings> taxSettings_;
    std::unique_ptr<TTapeSet> tapes_;
    std::unique_ptr<TTapeView> view_;
    std::unique_ptr<TTapeFileCommands> files_;
    std::unique_ptr<TClipboardCommands> clipboard_;
    TEntryDisplay* display_ = nullptr;
    TTaxPanel* tax_ = nullptr;
    TOptionsMenu* menu_ = nullptr;
    TTapeTabs* tabs_ = nullptr;
    std::unique_ptr<TCommandContext> context_;
    TDropTarget* dropTarget_ = nullptr;
    TInteres* interes_ = nullptr;
    // The window closes asking nothing more: a termination signal, or the
    // end already written (or left to the journal).
    bool closingWithoutAsking_ = false;
    // Lines 12 to 20 of the settings file as read, written back with the
    // window's own keys set.
    TExtensionLines extensionLines_;
};
