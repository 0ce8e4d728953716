#pragma once

// TCalculadora: the main window, an adding machine. The keypad on the right
// feeds the tape engine (TTapeEngine), whose paper tape fills the left side
// under the subtotal; below the keypad sit the tax and margin keys, below the
// tape the tool buttons (tape commands, clipboard, options).
//
// The window sees every key before the focused control (FormKeyDown) and maps
// keys and characters to the same handlers as the keypad. It restores its
// position, options and tape from the settings file when it is created and
// writes them back when it is destroyed.
//
// The files of the class: calculadora.cpp (creation and the end of the
// window), calculadora_layout.cpp (the controls and their places),
// calculadora_wiring.cpp (which event reaches which handler),
// calculadora_keys.cpp (the keyboard map), calculadora_vat.cpp (tax and margin
// keys), calculadora_vatlist.cpp (the tax-rate list and its editor),
// calculadora_options.cpp (options menu, conversion, exit),
// calculadora_clipboard.cpp (copy, paste, drop) and calculadora_settings.cpp
// (the settings and tape file). The tape's own files (save, open, export,
// print, the archive of cleared tapes) are TTapeFileCommands'.

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "calculator/extensionlines.h"
#include "calculator/vatrates.h"
#include "tape/tapeengine.h"

class QAction;
class QListWidget;
class QMenu;
class TBotoPetit;
class TComboEx;
class TDropTarget;
class TGridEx;
class TInteres;
class TPanelEx;
class TTapeFileCommands;
class TTapeView;
class TArrayCadena;
class TStringList;

class TCalculadora : public QWidget {
    Q_OBJECT

public:
    explicit TCalculadora(QWidget* parent = nullptr);
    // Writes the settings and tape file (FormDestroy).
    ~TCalculadora() override;

    TTapeEngine& Engine() { return *engine_; }
    TTapeFileCommands& Files() { return *files_; }
    TGridEx& Paper() const { return *paper_; }

    // ---- Tax and margin keys -------------------------------------------------
    // The selected rate index, -1 for none.
    int VatIndex() const { return vatIndex_; }
    void SetVatIndex(int index);
    // The rate of the selected index (0 for none).
    double VatRate() const { return vatRates_.Rate(vatIndex_); }
    const TVatRates& VatRates() const { return vatRates_; }
    // The rate editor, from the options menu or the rate list's last entry.
    void MenuTipusIvaClick();
    double MarginPercent() const { return marginPercent_; }
    void SetMargin(double percent);
    // The margin-type combo box's index; any other than 0 to 2 counts as 0.
    int MarginType() const;
    void SetMarginType(int type);

    void TeclaQuinIvaClick();
    void LlistaIvasExit();
    void LlistaIvasDblClick();
    void TeclaMesIvaClick();
    void TeclaMenysIvaClick();
    void TeclaPerIvaClick();
    void TeclaQuinMargeEnter();
    void TeclaQuinMargeExit();
    void TeclaMesMargeClick();
    void TeclaMenysMargeClick();
    void CTipusMargeChange();

    // ---- Conversion and options menu ---------------------------------------
    void BotoEurosClick();
    void BotoPtsClick();
    void MenuDecimalsClick(int decimals);
    void MenuArrodonirTotalsClick();
    void MenuArrodonirCalculsClick();
    void MenuArrodonirTotClick();
    void MenuConvertirClick();
    void BotoPropietatsClick();
    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z), and their menu items.
    void MenuDesferClick();
    void MenuReferClick();
    QMenu* MenuPropietats() const { return menuPropietats_; }

    // ---- The window ----------------------------------------------------------
    // The keyboard map; sets `key` to 0 when it consumes the key.
    void FormKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers shift,
                     const std::string& text);
    void BotoSortirClick();
    void BotoInteresClick();
    TInteres* Interes() const { return interes_; }

    // ---- Clipboard and drop --------------------------------------------------
    void CopyResult();
    void CopyValues();
    void CopyTape();
    void PasteReplace();
    void PasteAppend();
    void AddLinesToTape(const TStringList& lines);

    // ---- Settings and tape file ---------------------------------------------
    // Tarvik/Brimsum.Ini in the per-user configuration folder; the folder is
    // created when asked.
    static std::string SettingsFileName(bool createFolder);
    void ReadSettings();
    // Throws PlatformError when the file cannot be written (the old file then
    // stays as it was).
    void WriteSettings() const;

protected:
    // Key preview: the keys of every control of the window pass FormKeyDown.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building (calculadora_layout.cpp).
    void BuildLayout();
    void BuildKeypadSide(QWidget* side);
    void BuildKeypad(TPanelEx* keypad);
    void BuildSpecialKeys(TPanelEx* panel);
    void BuildPaperSide(QWidget* side);
    void BuildToolButtons(TPanelEx* panel);
    void BuildMenu();
    void BuildHistoryItems();
    TPanelEx* Key(QWidget* parent, const char* name, QRect place, const std::string& caption);
    TBotoPetit* ToolButton(QWidget* parent, const char* name, QPoint place);

    // Wiring (calculadora_wiring.cpp).
    void WireEvents();
    void WireKeypad();
    void WireSpecialKeys();
    void WireToolButtons();
    void WireEngine();
    template <typename Handler>
    auto Guarded(Handler handler);

    // Creation and the end (calculadora.cpp).
    void FormCreate();
    void FormClose();
    void FormDestroy();
    void FocusTape();

    // Keys (calculadora_keys.cpp).
    bool ControlKeys(int key);
    bool UndoKeys(int& key, Qt::KeyboardModifiers shift);
    bool EditingKeys(int& key);
    void CharacterKey(char c);
    bool EntryEditing() const;

    // The undo and redo items are enabled while there is something to undo
    // or redo.
    void ShowHistory();

    // The margin type the combo box holds.
    TMarginType CurrentMarginType() const;

    // The rate list (calculadora_vatlist.cpp): its items from the rates, the
    // rate key's caption from the selection.
    void FillVatList();
    void FitVatList();
    void RefreshVatCaption();
    bool EditEntryChosen() const;
    void LlistaIvasRowChanged(int row);
    void ReadVatRates(const TExtensionLines& lines, TVatRates::TSource source);

    // Settings (calculadora_settings.cpp).
    void PlaceWindow(int32_t left, int32_t top);
    void ResizeToStoredSize(const std::optional<std::string>& stored);
    void StoreWindowSize(TExtensionLines& extensions) const;

    std::unique_ptr<TTapeEngine> engine_;
    TGridEx* paper_ = nullptr;
    std::unique_ptr<TTapeView> tapeView_;
    std::unique_ptr<TTapeFileCommands> files_;
    TPanelEx* cNumero_ = nullptr;
    TPanelEx* cSubtotal_ = nullptr;

    // The keypad: digits 0 to 9, then the other keys by role.
    std::array<TPanelEx*, 10> digitKeys_{};
    TPanelEx* teclaPunt_ = nullptr;
    TPanelEx* teclaSigne_ = nullptr;
    TPanelEx* teclaBorrar_ = nullptr;
    TPanelEx* teclaDarrera_ = nullptr;
    TPanelEx* teclaMes_ = nullptr;
    TPanelEx* teclaMenys_ = nullptr;
    TPanelEx* teclaMultiplicar_ = nullptr;
    TPanelEx* teclaDividir_ = nullptr;
    TPanelEx* teclaPercent_ = nullptr;
    TPanelEx* teclaIgual_ = nullptr;
    TPanelEx* teclaIntro_ = nullptr;

    // The tax and margin keys.
    TPanelEx* teclaQuinIva_ = nullptr;
    TPanelEx* teclaMesIva_ = nullptr;
    TPanelEx* teclaMenysIva_ = nullptr;
    TPanelEx* teclaPerIva_ = nullptr;
    TPanelEx* teclaQuinMarge_ = nullptr;
    TPanelEx* teclaMesMarge_ = nullptr;
    TPanelEx* teclaMenysMarge_ = nullptr;
    TComboEx* cTipusMarge_ = nullptr;
    QListWidget* llistaIvas_ = nullptr;

    // The tool buttons.
    TBotoPetit* botoSortir_ = nullptr;
    TBotoPetit* botoNetejar_ = nullptr;
    TBotoPetit* botoInsertar_ = nullptr;
    TBotoPetit* botoEsborrarLinia_ = nullptr;
    TBotoPetit* botoLLigar_ = nullptr;
    TBotoPetit* botoPts_ = nullptr;
    TBotoPetit* botoEuros_ = nullptr;
    TBotoPetit* botoCopiarResultat_ = nullptr;
    TBotoPetit* botoCopiarValors_ = nullptr;
    TBotoPetit* botoCopiarPaper_ = nullptr;
    TBotoPetit* botoEnganxar_ = nullptr;
    TBotoPetit* botoEnganxarMes_ = nullptr;
    TBotoPetit* botoPropietats_ = nullptr;
    TBotoPetit* botoInteres_ = nullptr;

    QMenu* menuPropietats_ = nullptr;
    QAction* menuArrodonirTotals_ = nullptr;
    QAction* menuArrodonirCalculs_ = nullptr;
    QAction* menuArrodonirTot_ = nullptr;
    QAction* menuConvertir_ = nullptr;
    QAction* menuDesfer_ = nullptr;
    QAction* menuRefer_ = nullptr;
    QAction* menuTipusIva_ = nullptr;

    TDropTarget* dropTarget_ = nullptr;
    TInteres* interes_ = nullptr;

    double marginPercent_ = 0;
    TVatRates vatRates_;
    int vatIndex_ = -1;
    int vatIndexAtOpen_ = -1;
    // Lines 12 to 20 of the settings file as read, written back with the
    // window's own keys set.
    TExtensionLines extensionLines_;
};
