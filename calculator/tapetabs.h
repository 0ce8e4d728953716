#pragma once

// TTapeTabs: the tabs `Cintes` over the tape, one a tape of the tape set
// (TTapeSet), the tape in use selected. The bar is there while more than one
// tape is open: it then takes its room from the top of the tape, which moves
// down under it, and gives it back when one tape is left, so that a user with
// one tape sees the window as it always was.
//
// Each tab shows its tape's whole name; tabs past the width are reached with
// the bar's scroll buttons, and the tab in use is always in sight.
// A click on a tab asks for its tape (Chosen), a double click for its new
// name (RenameAsked). The tabs take no keyboard focus: the tape keeps it, and
// the window's keys go from tab to tab. A screen reader reads the bar as a
// list of page tabs named by the tab in use (as Qt names a tab bar), each
// tab by its name, its place and whether it is the one selected.

#include <QTabBar>

class TTapeSet;

class TTapeTabs : public QTabBar {
    Q_OBJECT

public:
    static constexpr int kHeight = 22;

    // Over the top of `tape`, which must have the same parent.
    TTapeTabs(QWidget* tape, const TTapeSet& tapes);

    // The tabs as the tape set has them now.
    void ShowTapes();

Q_SIGNALS:
    void Chosen(int index);
    void RenameAsked(int index);

private:
    void Place(bool shown);

    QWidget* tape_;
    const TTapeSet& tapes_;
};
