// TGridEx: construction, shape and the published properties.

#include "controls/grid/gridex.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "controls/grid/editorgrid.h"
#include "controls/grid/griddelegate.h"
#include "controls/grid/gridfixedrows.h"
#include "controls/grid/gridmodel.h"

TGridEx::TGridEx(QWidget* parent)
    : QTableView(parent),
      model_(new TGridModel(5, 5, this)),
      fixedHeader_(new TGridFixedRows(*this)) {
    setModel(model_);
    model_->SetAccessibleText(
        [this](int32_t row, int32_t col) { return AccessibleCellText(row, col); });
    setHorizontalHeader(fixedHeader_);
    setItemDelegate(new TGridCellDelegate(*this));
    model_->SetFixedRows(1);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(defaultRowHeight_);
    fixedHeader_->setDefaultSectionSize(defaultColWidth_);

    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setAutoScroll(false);
    setFocusPolicy(Qt::StrongFocus);

    colWidths_.assign(static_cast<size_t>(ColCount()), defaultColWidth_);
    FitColumnes();
    connect(model_, &TGridModel::fixedRowsChanged, fixedHeader_,
            [this] { fixedHeader_->viewport()->update(); });
    // The view's current index is lost with a reset or with the rows it was on.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { ScheduleAccessibleSync(); });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { ScheduleAccessibleSync(); });
}

TGridEx::~TGridEx() = default;

int32_t TGridEx::RowCount() const {
    return model_->RowCount();
}
int32_t TGridEx::ColCount() const {
    return model_->ColCount();
}
int32_t TGridEx::FixedRows() const {
    return model_->FixedRows();
}

void TGridEx::SetRowCount(int32_t rows) {
    const int32_t fixedRows = FixedRows();
    model_->SetRowCount(std::clamp(rows, 1, kMaxGridRows));
    ClampCurrentCell();
    if (FixedRows() != fixedRows) updateGeometries();  // the fixed band shrank
}

void TGridEx::SetColCount(int32_t cols) {
    cols = std::clamp(cols, 1, kMaxGridColumns);
    const int32_t old = ColCount();
    if (cols == old) return;
    fixedCols_ = std::min(fixedCols_, cols - 1);
    model_->SetColCount(cols);
    colWidths_.resize(static_cast<size_t>(cols), defaultColWidth_);
    for (int32_t c = old; c < cols; ++c)
        ApplyColumnWidth(c);
    FitColumnes();
    ClampCurrentCell();
}

void TGridEx::SetFixedRows(int32_t rows) {
    model_->SetFixedRows(std::clamp(rows, 0, RowCount() - 1));
    ClampCurrentCell();
    updateGeometries();
}

void TGridEx::SetFixedCols(int32_t cols) {
    fixedCols_ = std::clamp(cols, 0, ColCount() - 1);
    ClampCurrentCell();
    Invalidate();
}

int32_t TGridEx::ColWidths(int32_t col) const {
    return col >= 0 && col < ColCount() ? colWidths_[static_cast<size_t>(col)] : 0;
}

void TGridEx::SetColWidths(int32_t col, int32_t width) {
    if (col < 0 || col >= ColCount()) return;
    colWidths_[static_cast<size_t>(col)] = std::max(width, -1);
    ApplyColumnWidth(col);
}

void TGridEx::ApplyColumnWidth(int32_t col) {
    const int32_t width = colWidths_[static_cast<size_t>(col)];
    if (width < 0) {
        setColumnHidden(col, true);
        return;
    }
    setColumnHidden(col, false);
    fixedHeader_->resizeSection(col, width);
    PlaceEditor();
}

void TGridEx::SetDefaultColWidth(int32_t width) {
    defaultColWidth_ = std::max(width, 0);
    fixedHeader_->setDefaultSectionSize(defaultColWidth_);
    for (int32_t c = 0; c < ColCount(); ++c)
        SetColWidths(c, defaultColWidth_);
    if (!columnaZero_) SetColWidths(0, -1);
}

void TGridEx::SetDefaultRowHeight(int32_t height) {
    defaultRowHeight_ = std::max(height, 1);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight_);
    updateGeometries();
    Invalidate();
}

void TGridEx::SetOptions(TGridOptions options) {
    options_ = options;
    const bool tracking = options.testFlag(goThumbTracking);
    verticalScrollBar()->setTracking(tracking);
    horizontalScrollBar()->setTracking(tracking);
    UpdateEditor();
    Invalidate();
}

void TGridEx::SetScrollBars(TScrollStyle style) {
    const bool vertical = style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
    const bool horizontal = style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TGridEx::SetTitols(std::vector<std::string> titols) {
    titols_ = std::move(titols);
    ApplyTitols();
}

// Titles go to row 0 from column 0; without Sn_Dinamic those past the last
// column are dropped.
void TGridEx::ApplyTitols() {
    for (size_t i = 0; i < titols_.size() && i <= static_cast<size_t>(ColCount()); ++i) {
        const auto col = static_cast<int32_t>(i);
        if (LlegirCella(0, col) != titols_[i]) EscriureCella(0, col, titols_[i]);
    }
}

void TGridEx::SetSn_ColumnaZero(bool on) {
    columnaZero_ = on;
    if (!on) SetColWidths(0, -1);
}

void TGridEx::SetSn_Editable(bool on) {
    editable_ = on;
    SetOptions(on ? (options_ | goEditing) & ~TGridOptions(goRowSelect)
                  : (options_ & ~TGridOptions(goEditing)) | goRowSelect);
}

TArrayCadena& TGridEx::Seleccio() {
    if (!seleccio_) seleccio_ = std::make_unique<TArrayCadena>();
    return *seleccio_;
}

// Columnes keeps one spare entry past the last column.
void TGridEx::FitColumnes() {
    Columnes.resize(static_cast<size_t>(ColCount()) + 1);
}

const TColumnaGrid& TGridEx::Columna(int32_t col) const {
    static const TColumnaGrid kPlain;
    return col >= 0 && static_cast<size_t>(col) < Columnes.size()
               ? Columnes[static_cast<size_t>(col)]
               : kPlain;
}

// Writing a text widens its column to fit it (up to MaximAmple); a hidden
// column stays hidden.
void TGridEx::AutoWiden(int32_t col, const std::string& text) {
    if (ColWidths(col) < 0) return;
    int32_t w = QFontMetrics(font()).horizontalAdvance(QString::fromStdString(text)) + 10;
    if (maximAmple_ > 0 && w > maximAmple_) w = maximAmple_;
    if (ColWidths(col) < w) SetColWidths(col, w);
    if (ColWidths(col) == 0) SetColWidths(col, maximAmple_);
    if (ColWidths(col) == 0) SetColWidths(col, defaultColWidth_);
}
