#include "calculator/tapeview.h"

#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

#include "controls/grid/gridex.h"
#include "controls/platform/eventguard.h"
#include "tape/tapeengine.h"
#include "tape/tapespeech.h"

namespace {

// The tape as the window's form lays it out.
constexpr int32_t kValueWidth = 118;
constexpr int32_t kOperatorWidth = 25;
constexpr int32_t kTapeRowHeight = 16;
// The narrowest comment column worth showing; a narrower tape gives the room
// to the operator column.
constexpr int32_t kMinCommentWidth = 40;
// Kind 5: numbers in the display form with the column's decimals.
constexpr TDisplayFormat kNumberColumnKind = TDisplayFormat::Number;
constexpr TAlineacio kLeftAligned = TAlineacio::Esquerra;

static_assert(TTapeDocument::kMaxRows <= kMaxGridRows, "the grid must hold the whole tape");

}  // namespace

TTapeView::TTapeView(TGridEx& paper, TTapeEngine& engine)
    : paper_(paper), paperAlive_(&paper), engine_(&engine), cells_(engine) {
    ConfigurePaper();
    WatchEngine();
    paper_.installEventFilter(this);
    paper_.OnDrawCell = [this](TGridEx* sender, int32_t col, int32_t row, const QRect& rect,
                               TGridDrawState state, TGridCanvas& canvas) {
        PaperDrawCell(sender, col, row, rect, state, canvas);
    };
    // A screen reader reads the whole row in its value cell.
    paper_.OnAccessibleText = [this](const TGridEx*, int32_t row, int32_t col) {
        return col == kValueColumn
                   ? TapeRowSpeech(engine_->Tape(), row, engine_->Options().decimals)
                   : std::string();
    };
    paper_.OnCellDrawn = [this](TGridEx*, int32_t col, int32_t row, const QRect& rect,
                                TGridDrawState,
                                TGridCanvas& canvas) { PaperCellDrawn(col, row, rect, canvas); };
    paper_.OnCurrentRowChanged = [this](TGridEx*) {
        if (paper_.FilaActual() != engine_->Tape().CurrentRow())
            engine_->SelectRow(paper_.FilaActual());
    };
    // A click or a double click is one user action: a failure stops it with a
    // message and the window carries on.
    paper_.OnClick = [this](TGridEx*) {
        RunGuarded(paper_.window(), [this] { engine_->RecallRow(); });
    };
    paper_.OnDblClick = [this](TGridEx*) {
        RunGuarded(paper_.window(), [this] { PaperDblClick(); });
    };
}

// The tape takes the keyboard focus after every evaluation.
void TTapeView::WatchEngine() {
    engine_->Tape().AddObserver(this);
    connect(engine_, &TTapeEngine::SettingsChanged, this, [this] { ShowDecimals(); });
    connect(engine_, &TTapeEngine::Evaluated, this, [this] { FocusPaper(); });
}

void TTapeView::Follow(TTapeEngine& engine) {
    if (&engine == engine_) return;
    if (EditingComment()) EndCommentEdit(true);
    engine_->Tape().RemoveObserver(this);
    disconnect(engine_, nullptr, this, nullptr);
    engine_ = &engine;
    cells_.Follow(engine);
    WatchEngine();
    TapeRowCountChanged();
    ShowDecimals();
    FollowCurrentRow();
}

TTapeView::~TTapeView() {
    delete commentEditor_;
    engine_->Tape().RemoveObserver(this);
    if (paperAlive_.isNull()) return;
    paper_.removeEventFilter(this);
    paper_.OnDrawCell = nullptr;
    paper_.OnAccessibleText = nullptr;
    paper_.OnCellDrawn = nullptr;
    paper_.OnCurrentRowChanged = nullptr;
    paper_.OnClick = nullptr;
    paper_.OnDblClick = nullptr;
    paper_.SetCells(nullptr);
}

// The value and operator columns, the link column there but zero wide, and
// the comment column with the rest of the width. Column 0 is hidden and
// unused.
void TTapeView::ConfigurePaper() {
    if (paper_.objectName().isEmpty()) paper_.setObjectName("Paper");
    paper_.SetSn_ColumnaZero(false);
    paper_.SetSn_Editable(false);
    paper_.SetColCount(kTapeColumns);
    paper_.SetCells(&cells_);
    paper_.SetFixedRows(0);
    paper_.SetFixedCols(0);
    paper_.SetDefaultRowHeight(kTapeRowHeight);
    paper_.SetColWidths(0, -1);
    paper_.SetColWidths(kValueColumn, kValueWidth);
    paper_.SetColWidths(kLinkColumn, 0);
    paper_.SetScrollBars(TScrollStyle::ssVertical);
    paper_.SetSeparadorCamps('\t');
    paper_.SetOpcionsSeleccio(osPerNumeroFila);
    paper_.Columnes[kCommentColumn].Alineacio = kLeftAligned;
    paper_.Columnes[kCommentColumn].ElideLongText = true;
    FitColumns();
    ShowDecimals();
    FollowCurrentRow();
}

// The comment column takes what the value and operator columns leave up to
// the scroll bar; when that is too narrow for a comment, the operator column
// takes it, so that no white strip is left.
void TTapeView::FitColumns() {
    const int scrollBar = paper_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &paper_);
    const int inside = paper_.width() - 2 * paper_.frameWidth() - scrollBar;
    const int comment = inside - kValueWidth - kOperatorWidth;
    if (comment >= kMinCommentWidth) {
        paper_.SetColWidths(kOperatorColumn, kOperatorWidth);
        paper_.SetColWidths(kCommentColumn, comment);
    } else {
        paper_.SetColWidths(kOperatorColumn, std::max(kOperatorWidth, inside - kValueWidth));
        paper_.SetColWidths(kCommentColumn, -1);
    }
}

void TTapeView::ShowDecimals() {
    if (paperAlive_.isNull()) return;
    paper_.Columnes[kValueColumn].Tipus = kNumberColumnKind;
    paper_.Columnes[kValueColumn].Decimals = engine_->Options().decimals;
    paper_.Invalidate();
}

void TTapeView::FollowCurrentRow() {
    if (paperAlive_.isNull()) return;
    const int32_t row = engine_->Tape().CurrentRow();
    if (paper_.FilaActual() != row) paper_.PosarFilaActual(row);
}

void TTapeView::FocusPaper() {
    if (!paperAlive_.isNull() && paper_.isVisible()) paper_.setFocus(Qt::OtherFocusReason);
}

void TTapeView::PaperDblClick() {
    if (paper_.ClickedCell().Columna == kCommentColumn) {
        engine_->SelectRow(paper_.ClickedCell().Fila);
        EditComment();
    } else {
        engine_->PaperDblClick();
    }
}

// The columns follow the tape's width; the comment editor takes Enter and
// Escape, and keeps its text when the focus leaves it.
bool TTapeView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &paper_ && event->type() == QEvent::Resize) FitColumns();
    if (watched != commentEditor_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        EndCommentEdit(true);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            EndCommentEdit(key != Qt::Key_Escape);
            return true;
        }
    }
    return false;
}

void TTapeView::TapeRowsChanged(int32_t first, int32_t last) {
    if (!paperAlive_.isNull()) paper_.CellsChanged(first, last);
}

void TTapeView::TapeRowCountChanged() {
    if (!paperAlive_.isNull()) paper_.CellsReshaped();
}

void TTapeView::TapeCurrentRowChanged() {
    FollowCurrentRow();
}
