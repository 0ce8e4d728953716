// TGridEx: painting and the drawing of one cell.

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "controls/grid/celltext.h"
#include "controls/grid/gridcanvas.h"
#include "controls/grid/gridex.h"
#include "controls/grid/gridmodel.h"

namespace {

// Selected rows are drawn with the green bits of their brush turned on.
constexpr TColor kSelectedRowGreen = 0x00FF00;
constexpr TColor kDisabledText = 0xCCCCCC;
constexpr TColor kDisabledBrush = 0xEEEEEE;

void DrawRaisedEdge(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setPen(ToQColor(clBtnHighlight));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(ToQColor(clBtnShadow));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.restore();
}

}  // namespace

// Before any cell of a paint pass: the hidden column 0, the titles, and
// whether any column is typed.
void TGridEx::PreparePaint() {
    if (!columnaZero_ && ColWidths(0) != -1) SetColWidths(0, -1);
    ApplyTitols();
    FitColumnes();
    columnesSimples_ = std::none_of(Columnes.begin(), Columnes.end(), [](const TColumnaGrid& c) {
        return c.Tipus != TDisplayFormat::Text;
    });
}

void TGridEx::paintEvent(QPaintEvent* event) {
    PreparePaint();
    QTableView::paintEvent(event);
}

void TGridEx::PaintCell(QPainter& painter, int32_t col, int32_t row, const QRect& rect) {
    const TGridDrawState state = DrawState(col, row);
    TGridCanvas canvas(painter, font());
    PrepareCanvas(canvas, state);
    canvas.FillRect(rect);
    if (OnDrawCell) OnDrawCell(this, col, row, rect, state, canvas);
    if (columnesSimples_) {
        DrawCellBaseWay(canvas, col, row, rect, state);
    } else {
        DrawTypedCell(canvas, col, row, rect, state);
    }
    if (OnCellDrawn) OnCellDrawn(this, col, row, rect, state, canvas);
    if (state.testFlag(gdFixed)) DrawRaisedEdge(painter, rect);
}

TGridDrawState TGridEx::DrawState(int32_t col, int32_t row) const {
    if (row < FixedRows() || col < fixedCols_) return gdFixed;
    TGridDrawState state;
    if (row == row_ && (options_.testFlag(goRowSelect) || col == col_)) state |= gdSelected;
    if (row == row_ && col == col_ && IsActiveControl()) state |= gdFocused;
    return state;
}

// The colours the base grid fills a cell with before it is drawn.
void TGridEx::PrepareCanvas(TGridCanvas& canvas, TGridDrawState state) const {
    if (state.testFlag(gdFixed)) {
        canvas.BrushColor = clBtnFace;
        return;
    }
    const bool highlighted = state.testFlag(gdSelected) &&
                             (!state.testFlag(gdFocused) || options_.testFlag(goRowSelect));
    canvas.BrushColor = highlighted ? clHighlight : clWindow;
    canvas.FontColor = highlighted ? clHighlightText : clWindowText;
}

// The base grid's own drawing: the raw text 2 pixels in from the top left. A
// handler on a grid without typed columns may draw the cell itself, so it is
// raised once more and what it draws lies on top.
void TGridEx::DrawCellBaseWay(TGridCanvas& canvas, int32_t col, int32_t row, const QRect& rect,
                              TGridDrawState state) {
    canvas.TextRect(rect, rect.left() + 2, rect.top() + 2, LlegirCella(row, col));
    if (OnDrawCell) OnDrawCell(this, col, row, rect, state, canvas);
}

void TGridEx::DrawTypedCell(TGridCanvas& canvas, int32_t col, int32_t row, const QRect& rect,
                            TGridDrawState state) {
    if (RowShownSelected(row)) {
        canvas.Font.setBold(true);
        canvas.Font.setUnderline(true);
        canvas.BrushColor = ResolveColor(canvas.BrushColor) | kSelectedRowGreen;
    }
    if (!isEnabled()) {
        canvas.Font.setBold(false);
        canvas.Font.setUnderline(false);
        canvas.Font.setStrikeOut(false);
        canvas.Font.setItalic(true);
        canvas.FontColor = kDisabledText;
        canvas.BrushColor = kDisabledBrush;
    }
    const TColumnaGrid& column = Columna(col);
    if (IsBaseWay(column.Tipus)) {
        DrawCellBaseWay(canvas, col, row, rect, state);
        return;
    }
    std::string text = ShownCellText(row, col);
    if (column.ElideLongText) {
        const QFontMetrics metrics(canvas.Font);
        const int room = rect.width() - 6;  // 3 pixels of margin at either side
        text = metrics.elidedText(QString::fromStdString(text), Qt::ElideRight, room).toStdString();
    }
    const int right = rect.left() + rect.width();
    const int x = AlignedTextX(CellAlignment(column), rect.left(), right, canvas.TextWidth(text));
    const int y = CenteredTextY(rect.top(), rect.top() + rect.height(), canvas.TextHeight());
    canvas.TextRect(rect, x, y, text);
}

// Data rows of a typed column show the column's form of their text; titles
// and untyped columns show the text itself.
std::string TGridEx::ShownCellText(int32_t row, int32_t col) const {
    const TColumnaGrid& column = Columna(col);
    const std::string text = LlegirCella(row, col);
    return row >= FixedRows() && !IsBaseWay(column.Tipus) ? CellDisplayText(column, text) : text;
}

// Drawing never creates the selection list.
bool TGridEx::RowShownSelected(int32_t row) const {
    return seleccio_ != nullptr && KeySelected(*seleccio_, row);
}

// The whole text of a cell that its column cuts short.
bool TGridEx::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const TCellaGrid cell = CellAt(help->pos());
    const bool shown = cell.Fila >= 0 && cell.Columna >= 0 && Columna(cell.Columna).ElideLongText;
    const std::string text = shown ? LlegirCella(cell.Fila, cell.Columna) : std::string();
    if (text.empty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), QString::fromStdString(text), viewport());
    }
    return true;
}
