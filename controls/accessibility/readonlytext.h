#pragma once

// A control's text as assistive technology reads it through the text
// interface: the whole text the control shows, with no caret, no selection
// and no editing. A screen reader reads it, and hears of a change of it, as
// it does for any text (NotifyAccessibleTextChanged).

#include <QAccessibleTextInterface>

class TReadOnlyText : public QAccessibleTextInterface {
public:
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;

    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    // The text as the control shows it.
    virtual QString ShownText() const = 0;
};
