#include "controls/accessibility/readonlytext.h"

#include <algorithm>

void TReadOnlyText::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString TReadOnlyText::text(int startOffset, int endOffset) const {
    const QString shown = ShownText();
    const qsizetype start = std::clamp<qsizetype>(startOffset, 0, shown.size());
    // An end of -1 is the end of the text.
    const qsizetype end =
        endOffset < 0 ? shown.size() : std::clamp<qsizetype>(endOffset, start, shown.size());
    return shown.mid(start, end - start);
}

int TReadOnlyText::characterCount() const {
    return static_cast<int>(ShownText().size());
}

// No attributes: the whole text is one run.
QString TReadOnlyText::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
