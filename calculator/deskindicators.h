#pragma once

// TDeskIndicators: an adding machine's annunciators, drawn small at the left
// inside the displays. In the display `CNumero`: "M" while the memory holds a
// number other than 0 (its value in the tooltip, and as the description
// assistive technology reads), and "ADD" while the fixed-decimal entry is on.
// In the subtotal panel `cSubtotal`, in grey: the count of the calculation
// the running value belongs to ("3 ·"), or of the grand total it is. Like
// the running value, it is the count before the current row as the last
// evaluation left it: moving the current row changes neither, a change of
// the rows counts again.
//
// The indicators lie over the displays without being their children, so the
// displays stay what they were to assistive technology; each is shown only
// while it has something to tell.

#include <QObject>
#include <QPointer>

#include "tape/tapedocument.h"

class QLabel;
class TPanelEx;
class TTapeEngine;

class TDeskIndicators : public QObject, private TTapeObserver {
    Q_OBJECT

public:
    // The displays (made by the window's layout) must outlive the
    // indicators, which their parent panels own; the engine may go first.
    TDeskIndicators(TPanelEx& number, TPanelEx& subtotal, TTapeEngine& engine);
    ~TDeskIndicators() override;
    TDeskIndicators(const TDeskIndicators&) = delete;
    TDeskIndicators& operator=(const TDeskIndicators&) = delete;

    // Shows another engine's memory, options and count.
    void Follow(TTapeEngine& engine);

private:
    void WatchEngine();
    void ShowSettings();
    // The count before the current row, as the subtotal shows the value.
    void CountBeforeCurrentRow();
    void ShowCount();
    // The count once the action that changes rows is done: a row changes
    // many times in one action.
    void ShowCountLater();

    void TapeRowsChanged(int32_t first, int32_t last) override;
    void TapeRowCountChanged() override {}
    void TapeCurrentRowChanged() override {}

    TTapeEngine* engine_;
    // Null once the engine is gone (the window's panels go after it).
    QPointer<TTapeEngine> engineAlive_;
    QLabel* memory_;
    QLabel* fixedDecimals_;
    QLabel* count_;
    // The row whose running value the subtotal shows.
    int32_t countedRow_ = -1;
    bool countPending_ = false;
};
