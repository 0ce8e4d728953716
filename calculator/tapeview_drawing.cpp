// TTapeView: how the tape draws its cells. The grid then writes the text: the
// value column as numbers with `Decimals` decimals (a zero value blank),
// right-aligned, and the operator column as it stands.

#include <QFontMetrics>

#include "basic/translation.h"
#include "calculator/tapeview.h"
#include "controls/grid/gridcanvas.h"
#include "controls/grid/gridex.h"
#include "tape/tapeengine.h"
#include "tape/tapelook.h"

namespace {

constexpr TColor kOperatorBrush =
    RGBColor(kOperatorStripInk.red, kOperatorStripInk.green, kOperatorStripInk.blue);
constexpr TColor kCurrentOperatorBrush = RGBColor(224, 224, 80);
constexpr TColor kCountColour = RGBColor(kCountInk.red, kCountInk.green, kCountInk.blue);
// The count's distance from the left edge of the value cell.
constexpr int kCountMargin = 3;

}  // namespace

// Each row's colour and weight come from the tape's look (totals red and
// bold, percent amounts bold, linked rows grey, comments a quiet grey); the
// operator column has a light grey background, light yellow on the current
// row.
void TTapeView::PaperDrawCell(TGridEx*, int32_t ACol, int32_t ARow, const QRect&,
                              TGridDrawState State, TGridCanvas& Canvas) const {
    if (ACol == kOperatorColumn) {
        if (State == TGridDrawState()) {
            Canvas.BrushColor = kOperatorBrush;
        } else if (State == TGridDrawState(gdSelected)) {
            Canvas.BrushColor = kCurrentOperatorBrush;
        }
    }
    const TTapeRowLook look = TapeRowLook(engine_->Tape(), ARow);
    Canvas.FontColor = RGBColor(look.ink.red, look.ink.green, look.ink.blue);
    Canvas.Font = paper_.font();
    Canvas.Font.setBold(look.bold);
    // A comment is written quietly, whatever its row holds.
    if (ACol == kCommentColumn) {
        Canvas.FontColor = RGBColor(kCommentInk.red, kCommentInk.green, kCommentInk.blue);
        Canvas.Font.setBold(false);
    }
}

// The count in the grid's font, never bold, vertically centred like the
// value; the double rule at the top of the value and operator cells, in the
// row's ink.
void TTapeView::PaperCellDrawn(int32_t col, int32_t row, const QRect& rect,
                               TGridCanvas& canvas) const {
    if (col != kValueColumn && col != kOperatorColumn) return;
    const TTapeRowLook look = TapeRowLook(engine_->Tape(), row);
    QPainter& painter = canvas.Painter();
    if (look.doubleRule) {
        painter.save();
        painter.setPen(QColor(look.ink.red, look.ink.green, look.ink.blue));
        painter.drawLine(rect.left(), rect.top(), rect.right(), rect.top());
        painter.drawLine(rect.left(), rect.top() + 2, rect.right(), rect.top() + 2);
        painter.restore();
    }
    if (col != kValueColumn) return;
    const std::string mark = TapeCountMark(engine_->Tape(), row);
    if (mark.empty()) return;
    QFont font = paper_.font();
    font.setBold(false);
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(ToQColor(kCountColour));
    const QFontMetrics metrics(font);
    const int y = rect.top() + (rect.height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(QPoint(rect.left() + kCountMargin, y), QString::fromStdString(mark));
    painter.restore();
}
