#pragma once

// TTapeView: the tape grid `Paper` as a view of a tape engine's tape.
//
// The view sets the grid up as the tape (the value and operator columns, a
// hidden link column, rows 16 pixels high, whole-row selection, the value
// column drawn as numbers with the engine's decimals), shows the tape's rows
// through TTapeGridCells, draws totals, percent amounts and linked rows
// (PaperDrawCell), follows the tape's current row, and hands the user's moves
// of the current row on the grid back to the tape. A click recalls a row and a
// double click ends the last row (TTapeEngine::RecallRow, PaperDblClick); a
// hosting window may put its own handlers, guarded against failures, there.

#include <QPointer>
#include <cstdint>

#include "calculator/tapegridcells.h"
#include "controls/grid/gridtypes.h"
#include "tape/tapedocument.h"

class TGridEx;
class TGridCanvas;
class TTapeEngine;

class TTapeView : private TTapeObserver {
public:
    // The grid and the engine must outlive the view's use of them; the view
    // takes its handlers back when it goes first.
    TTapeView(TGridEx& paper, TTapeEngine& engine);
    ~TTapeView() override;
    TTapeView(const TTapeView&) = delete;
    TTapeView& operator=(const TTapeView&) = delete;

    TGridEx& Paper() const { return paper_; }

    // The tape's drawing handler: colours and font of a cell.
    void PaperDrawCell(TGridEx* Sender, int32_t ACol, int32_t ARow, const QRect& Rect,
                       TGridDrawState State, TGridCanvas& Canvas) const;

private:
    void ConfigurePaper();
    void ShowDecimals();
    void FollowCurrentRow();
    void FocusPaper();

    void TapeRowsChanged(int32_t first, int32_t last) override;
    void TapeRowCountChanged() override;
    void TapeCurrentRowChanged() override;

    TGridEx& paper_;
    QPointer<TGridEx> paperAlive_;
    TTapeEngine& engine_;
    TTapeGridCells cells_;
};
