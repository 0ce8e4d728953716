#include "calculator/tapeview.h"

#include "controls/grid/gridex.h"
#include "tape/tapeengine.h"

namespace {

// The tape as the window's form lays it out.
constexpr int32_t kValueWidth = 118;
constexpr int32_t kOperatorWidth = 25;
constexpr int32_t kTapeRowHeight = 16;
// Kind 5: numbers in the display form with the column's decimals.
constexpr int32_t kNumberColumnKind = 5;

static_assert(TTapeDocument::kMaxRows <= kMaxGridRows, "the grid must hold the whole tape");

}  // namespace

TTapeView::TTapeView(TGridEx& paper, TTapeEngine& engine)
    : paper_(paper), paperAlive_(&paper), engine_(engine), cells_(engine) {
    ConfigurePaper();
    engine_.EditTape().AddObserver(this);
    paper_.OnDrawCell = [this](TGridEx* sender, int32_t col, int32_t row, const QRect& rect,
                               TGridDrawState state, TGridCanvas& canvas) {
        PaperDrawCell(sender, col, row, rect, state, canvas);
    };
    paper_.OnCurrentRowChanged = [this](TGridEx*) {
        if (paper_.FilaActual() != engine_.Tape().CurrentRow()) engine_.SelectRow(paper_.FilaActual());
    };
    paper_.OnClick = [this](TGridEx*) { engine_.RecallRow(); };
    paper_.OnDblClick = [this](TGridEx*) { engine_.PaperDblClick(); };
    engine_.OnDecimalsChanged = [this](TTapeEngine*) { ShowDecimals(); };
    engine_.OnFocusTape = [this](TTapeEngine*) { FocusPaper(); };
}

TTapeView::~TTapeView() {
    engine_.EditTape().RemoveObserver(this);
    engine_.OnDecimalsChanged = nullptr;
    engine_.OnFocusTape = nullptr;
    if (paperAlive_.isNull()) return;
    paper_.OnDrawCell = nullptr;
    paper_.OnCurrentRowChanged = nullptr;
    paper_.OnClick = nullptr;
    paper_.OnDblClick = nullptr;
    paper_.SetCells(nullptr);
}

// The value and operator columns; the link column is there, zero wide, and
// the comment column hidden. Column 0 is hidden and unused.
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
    paper_.SetColWidths(kOperatorColumn, kOperatorWidth);
    paper_.SetColWidths(kLinkColumn, 0);
    paper_.SetColWidths(kCommentColumn, -1);
    paper_.SetScrollBars(TScrollStyle::ssVertical);
    paper_.SetSeparadorCamps('\t');
    paper_.SetOpcionsSeleccio(osPerNumeroFila);
    ShowDecimals();
    FollowCurrentRow();
}

void TTapeView::ShowDecimals() {
    if (paperAlive_.isNull()) return;
    paper_.Columnes[kValueColumn].Tipus = kNumberColumnKind;
    paper_.Columnes[kValueColumn].Decimals = engine_.Decimals();
    paper_.Invalidate();
}

void TTapeView::FollowCurrentRow() {
    if (paperAlive_.isNull()) return;
    const int32_t row = engine_.Tape().CurrentRow();
    if (paper_.FilaActual() != row) paper_.PosarFilaActual(row);
}

void TTapeView::FocusPaper() {
    if (!paperAlive_.isNull() && paper_.isVisible()) paper_.setFocus(Qt::OtherFocusReason);
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
