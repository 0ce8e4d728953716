#pragma once

// TSearchPanel: the search band of the main window (Ctrl+F): a field
// `CercaText`, a line that says how many rows were found `CercaEstat`, and
// the result list `CercaResultats` (TSearchResults), across the bottom of the
// window over the tool buttons and the tax keys, leaving the top of the tape
// and the keypad in sight.
//
// Results come as the user types. Down in the field goes into the list, Up
// on its first result back to the field; Enter (in the field too: the list's
// current result, the first one until another is chosen) or a double click
// goes to a result: the band closes and tells
// where to go, an open tape by its place among the open tapes, an archived
// tape by its file. Escape closes the band. The window gives the tape the
// focus when it closes. While the band is open, Escape closes the band, not
// the window, wherever the focus is.

#include <QFrame>
#include <QString>
#include <cstdint>
#include <string>

#include "calculator/searchresults.h"

class QLabel;
class QLineEdit;
class QListView;

class TSearchPanel : public QFrame {
    Q_OBJECT

public:
    // From just under the keypad to the bottom of the smallest window.
    static constexpr int kHeight = 175;

    // Over the bottom of `window`, hidden until opened.
    TSearchPanel(QWidget* window, TTapeArchive archive);

    TSearchResults& Results() { return *results_; }
    // Shows the band with the field focused and its text selected, and
    // searches that text again (the tapes may have changed since).
    void Open();
    // Hides the band and drops its results; the open tapes are let go.
    void Close();
    // Escape: closes the band and says so (Closed).
    void Dismiss();
    // While the band is open, searches the tapes and the archive's files
    // again (a tape changed under it).
    void Refresh();
    bool HoldsFocus() const;

    QLineEdit* Field() const { return field_; }
    QListView* List() const { return list_; }

Q_SIGNALS:
    // The band asks for the tapes to search and their decimals before each
    // search.
    void AboutToSearch();
    void GoToOpenTape(int tape, int32_t row);
    void GoToArchivedTape(const std::string& path, int32_t row);
    // Escape: the band closed.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search();
    void ShowProgress();
    void GoTo(int result);
    void FitToWindow();

    TSearchResults* results_;
    QLineEdit* field_;
    QLabel* status_;
    QListView* list_;
};
