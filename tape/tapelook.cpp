#include "tape/tapelook.h"

#include "tape/tapedocument.h"

TTapeRowLook TapeRowLook(const TTapeDocument& tape, int32_t row) {
    TTapeRowLook look;
    if (row > 0) {
        const TTapeOperator above = tape.Operator(row - 1);
        if (above == TTapeOperator::Total) {
            look = {kTotalInk, true};
        } else if (above == TTapeOperator::Percent) {
            look.bold = true;
        }
    }
    if (tape.Row(row).HasLink()) look.ink = kLinkedInk;
    return look;
}
