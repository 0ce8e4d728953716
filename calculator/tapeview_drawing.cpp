// TTapeView: how the tape draws its cells. The grid then writes the text: the
// value column as numbers with `Decimals` decimals (a zero value blank),
// right-aligned, and the operator column as it stands.

#include "calculator/tapeview.h"
#include "controls/grid/gridcanvas.h"
#include "controls/grid/gridex.h"
#include "tape/tapeengine.h"

namespace {

constexpr TColor kOperatorBrush = RGBColor(240, 240, 240);
constexpr TColor kCurrentOperatorBrush = RGBColor(224, 224, 80);
constexpr TColor kLinkedText = RGBColor(144, 144, 144);
constexpr TColor kCommentText = RGBColor(96, 96, 110);

}  // namespace

// Totals are red and bold, percent amounts bold, linked rows grey, comments
// a quiet grey; the operator column has a light grey background, light
// yellow on the current row.
void TTapeView::PaperDrawCell(TGridEx*, int32_t ACol, int32_t ARow, const QRect&,
                              TGridDrawState State, TGridCanvas& Canvas) const {
    if (ACol == kOperatorColumn) {
        if (State == TGridDrawState()) {
            Canvas.BrushColor = kOperatorBrush;
        } else if (State == TGridDrawState(gdSelected)) {
            Canvas.BrushColor = kCurrentOperatorBrush;
        }
    }
    const TTapeDocument& tape = engine_.Tape();
    Canvas.FontColor = clBlack;
    Canvas.Font = paper_.font();
    if (ARow > 0) {
        const TTapeOperator above = tape.Operator(ARow - 1);
        if (above == TTapeOperator::Total) {
            Canvas.FontColor = clRed;
            Canvas.Font.setBold(true);
        } else if (above == TTapeOperator::Percent) {
            Canvas.Font.setBold(true);
        }
    }
    if (tape.Row(ARow).HasLink()) Canvas.FontColor = kLinkedText;
    // A comment is written quietly, whatever its row holds.
    if (ACol == kCommentColumn) {
        Canvas.FontColor = kCommentText;
        Canvas.Font.setBold(false);
    }
}
