#pragma once

// TTaxPanel: the tax and margin keys `PanelEspecial`, a view of the window's
// TTaxSettings.
//
//   [% Iva   ] [+ Iva    ]     the rate key opens the rate list over the
//   [Base Imp] [Quota Iva]     top left corner; "+ Iva", "Base Imp" and
//   [Marge S/PVP       v]      "Quota Iva" play the selected rate
//   [        ] [+ Marge  ]
//   [  12.5% ] [- Marge  ]     the margin field, its type and the margin keys
//
// A click on a key emits Triggered with its command, which the window runs
// the way it runs the key of the keyboard that stands for it; the command
// then calls the published handler here (TeclaMesIvaClick and the others),
// which plays the key on the engine (taxkeys.h). The rate list's last entry
// opens the rate editor.

#include <QPointer>

#include "calculator/commandid.h"
#include "controls/panel/panelex.h"

class QListWidget;
class TComboEx;
class TTapeEngine;
class TTaxSettings;

class TTaxPanel : public TPanelEx {
    Q_OBJECT

public:
    TTaxPanel(QWidget* parent, QRect place, TTapeEngine& engine, TTaxSettings& settings);
    // The keys act on another tape.
    void Follow(TTapeEngine& engine) { engine_ = &engine; }

    // ---- The rates ----
    void TeclaQuinIvaClick();
    void LlistaIvasExit();
    void LlistaIvasDblClick();
    // The rate editor, from the options menu or the rate list's last entry.
    void MenuTipusIvaClick();
    // Enter chooses the rate of the open rate list (or opens the editor from
    // its last entry) and Escape leaves it; the list closes and the tape takes
    // the focus back. False for any other key, or with the list closed.
    bool RateListKey(int key);
    int VatIndex() const;
    void SetVatIndex(int index);
    double VatRate() const;

    // ---- The keys ----
    void TeclaMesIvaClick();
    void TeclaMenysIvaClick();
    void TeclaPerIvaClick();
    void TeclaMesMargeClick();
    void TeclaMenysMargeClick();

    // ---- The margin ----
    void TeclaQuinMargeEnter();
    void TeclaQuinMargeExit();
    void CTipusMargeChange();
    void SetMargin(double percent);
    // Selects the type and gives the margin keys its captions ("+ Dte" for a
    // discount).
    void SetMarginType(int type);
    bool MarginEditing() const;
    // The settings as they are, shown (also whenever they change): the type
    // only selected, so that the margin keys keep their captions.
    void ShowSettings();

Q_SIGNALS:
    void Triggered(TCommandId command);
    // The tape takes the keyboard focus back (after the margin or the list).
    void FocusReturned();

private:
    void AddKeys();
    void AddMarginControls();
    void AddRateList();
    TPanelEx* AddKey(TCommandId command, QRect place);
    void Wire();

    void FillVatList();
    void FitVatList();
    void RefreshVatCaption();
    bool EditEntryChosen() const;
    void LlistaIvasRowChanged(int row);

    TTapeEngine* engine_;
    TTaxSettings& settings_;
    TPanelEx* teclaQuinIva_ = nullptr;
    TPanelEx* teclaQuinMarge_ = nullptr;
    TPanelEx* teclaMesMarge_ = nullptr;
    TPanelEx* teclaMenysMarge_ = nullptr;
    TComboEx* cTipusMarge_ = nullptr;
    QListWidget* llistaIvas_ = nullptr;
    int vatIndexAtOpen_ = -1;
};
