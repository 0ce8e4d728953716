// TTapeEngine: text lines, pasted or dropped, onto the tape.

#include "basic/stringlists.h"
#include "tape/tapeclipboard.h"
#include "tape/tapeengine.h"

// Each line worth a number other than 0 fills the first free row (its tab
// separated fields become the value, operator and link cells) and is added
// with "+" when it brings no operator. A single line then just updates the
// subtotal; several lines end with Enter on the last one, as if it had been
// typed. The entry text is emptied first, so Enter never writes a pending
// entry over the last pasted value, and when nothing was added the tape is
// left as it was.
void TTapeEngine::AddLinesToTape(const TStringList& lines) {
    Action action(*this);
    const int32_t usedBefore = UsedRows();
    for (int i = 0; i < lines.Count(); ++i)
        AppendTapeLine(lines.Strings(i));
    if (UsedRows() > 0) SelectRow(UsedRows() - 1);
    if (lines.Count() < 2 || UsedRows() == usedBefore) {
        if (UsedRows() > 0) SelectRow(UsedRows());
        ShowRunningValue();
    } else {
        SetEntryText({});
        EnterEntry();
    }
}

void TTapeEngine::AppendTapeLine(const std::string& line) {
    const std::optional<std::string> tapeLine = PastedTapeLine(line);
    if (!tapeLine) return;
    tape_.WriteRowText(UsedRows(), *tapeLine);
    const int32_t last = UsedRows() - 1;
    if (Operator(last) == TTapeOperator::None) WriteOperator(last, TTapeOperator::Plus);
}
