#pragma once

// TEntryDisplay: the display `CNumero` and the subtotal panel `cSubtotal` as
// views of the engine. The display shows the entry text and, while the user
// edits it (F2), is the entry; the subtotal panel shows the running value.
// The adding machine's indicators over them (TDeskIndicators) follow the
// same engine.

#include <QObject>

class TDeskIndicators;
class TPanelEx;
class TTapeEngine;

class TEntryDisplay : public QObject {
    Q_OBJECT

public:
    // The panels (made by the window's layout) must outlive the display.
    TEntryDisplay(TPanelEx& number, TPanelEx& subtotal, TTapeEngine& engine);
    // Shows another engine's entry and subtotal.
    void Follow(TTapeEngine& engine);

    // F2: the display opens its editor.
    void StartEditing();
    bool Editing() const;

private:
    void WatchEngine();
    void ShowEngine();

    TTapeEngine* engine_;
    TDeskIndicators* indicators_;
    TPanelEx& cNumero_;
    TPanelEx& cSubtotal_;
};
