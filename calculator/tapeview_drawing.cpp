// TTapeView: how the tape draws its cells. The grid then writes the text: the
// value column as numbers with `Decimals` decimals (a zero value blank),
// right-aligned, and the operator column as it stands.

#include "calculator/tapeview.h"
#include "controls/grid/gridcanvas.h"
#include "controls/grid/gridex.h"
#include "tape/tapeengine.h"
#include "tape/tapelook.h"

namespace {

constexpr TColor kOperatorBrush =
    RGBColor(kOperatorStripInk.red, kOperatorStripInk.green, kOperatorStripInk.blue);
constexpr TColor kCurrentOperatorBrush = RGBColor(224, 224, 80);

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
    const TTapeRowLook look = TapeRowLook(engine_.Tape(), ARow);
    Canvas.FontColor = RGBColor(look.ink.red, look.ink.green, look.ink.blue);
    Canvas.Font = paper_.font();
    Canvas.Font.setBold(look.bold);
    // A comment is written quietly, whatever its row holds.
    if (ACol == kCommentColumn) {
        Canvas.FontColor = RGBColor(kCommentInk.red, kCommentInk.green, kCommentInk.blue);
        Canvas.Font.setBold(false);
    }
}
