#pragma once

// TTapeView: the tape grid `Paper` as a view of a tape engine's tape.
//
// The view sets the grid up as the tape (the value and operator columns, a
// hidden link column, the comment column taking the rest of the width, rows
// 16 pixels high, whole-row selection, the value column drawn as numbers
// with the engine's decimals), shows the tape's rows through TTapeGridCells,
// draws totals, grand totals, percent amounts, linked rows and comments
// (PaperDrawCell, PaperCellDrawn), gives a screen reader each row as one text
// in its value cell (what the row is, its value and operator, its count, its
// link and comment: TapeRowSpeech),
// follows the tape's current row, and hands the user's moves of the current
// row on the grid back to the tape. A click recalls a row, a double click
// ends the last row or, on a comment, edits it (TTapeEngine::RecallRow,
// PaperDblClick); a failure stops it with the window's error box. After
// every evaluation the tape takes the keyboard focus.
//
// A comment is edited in place (EditComment): Enter or leaving the editor
// keeps it, as one step of the undo history; Escape drops it.

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <cstdint>

#include "calculator/tapegridcells.h"
#include "controls/grid/gridtypes.h"
#include "tape/tapedocument.h"

class TGridEx;
class TGridCanvas;
class TTapeEngine;

class TTapeView : public QObject, private TTapeObserver {
    Q_OBJECT

public:
    // The grid and the engine must outlive the view's use of them; the view
    // takes its handlers back when it goes first.
    TTapeView(TGridEx& paper, TTapeEngine& engine);
    ~TTapeView() override;
    TTapeView(const TTapeView&) = delete;
    TTapeView& operator=(const TTapeView&) = delete;

    TGridEx& Paper() const { return paper_; }
    // Shows another tape in the grid; a comment being edited is kept first.
    void Follow(TTapeEngine& engine);

    // The tape's drawing handler: colours and font of a cell.
    void PaperDrawCell(TGridEx* Sender, int32_t ACol, int32_t ARow, const QRect& Rect,
                       TGridDrawState State, TGridCanvas& Canvas) const;
    // Over a drawn cell: the count of a total at the left of its value, the
    // double rule over a grand total.
    void PaperCellDrawn(int32_t col, int32_t row, const QRect& rect, TGridCanvas& canvas) const;
    // What a screen reader hears after a total's value: its count.
    // A double click: on a comment it edits the comment, elsewhere it ends
    // the last row with Enter.
    void PaperDblClick();

    // ---- Comments ----
    // Opens the editor on the current row's comment.
    void EditComment();
    bool EditingComment() const { return !commentEditor_.isNull(); }
    // The editor, while a comment is being edited.
    QLineEdit* CommentEditor() const { return commentEditor_; }
    // Closes the editor, keeping what it holds or not.
    void EndCommentEdit(bool keep);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConfigurePaper();
    void WatchEngine();
    void FitColumns();
    void ShowDecimals();
    void FollowCurrentRow();
    void FocusPaper();
    QRect CommentPlace(int32_t row) const;

    void TapeRowsChanged(int32_t first, int32_t last) override;
    void TapeRowCountChanged() override;
    void TapeCurrentRowChanged() override;

    TGridEx& paper_;
    QPointer<TGridEx> paperAlive_;
    TTapeEngine* engine_;
    TTapeGridCells cells_;
    QPointer<QLineEdit> commentEditor_;
    int32_t commentRow_ = 0;
};
