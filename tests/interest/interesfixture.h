#pragma once

// A shown, active interest window driven the way a user drives it: keys go
// to the control that has the focus, and the focus moves only through them
// or through clicks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <string>

#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "interest/interes.h"

class InteresWindow : public testing::Test {
protected:
    InteresWindow();
    ~InteresWindow() override;

    TPanelEx* Field(const char* name) const;
    TGridEx* Amort() const;
    QWidget* Focus() const { return QApplication::focusWidget(); }
    // The object name of the control with the focus ("Capital1Edit", ...).
    std::string FocusName() const;

    // One key to the control with the focus; the events it leaves behind
    // are handled before the next one.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types into the focused editor (a field entered has its text selected,
    // so typing replaces it).
    void Type(const QString& text);
    void TypeAndTab(const QString& text);
    // Clicks a value field, which opens its editor.
    void Click(const char* field);
    // Makes a table row the current one with a click on it.
    void ClickRow(int32_t row);
    // A double click as the platform delivers it: a click, then the double.
    void DoubleClickRow(int32_t row);
    // Types a start date dd/mm/yyyy into the date field and leaves it.
    void EnterStartDate(const QString& ddmmyyyy);

    // From a fresh window: loan 1 of 1,000,000 at 5 % over 12 months, typed
    // and tabbed through; the focus ends in Capital2.
    void EnterLoan1(const QString& capital = "1000000", const QString& rate = "5",
                    const QString& months = "12");
    // Then loan 2, which is loan 1 copied, gets 4,5 %; the focus ends in the
    // date field.
    void EnterLoan2Rate(const QString& rate = "4,5");

    // What a field shows.
    std::string Shown(const char* field) const;
    // A table row as its cells hold them, columns 1 to 8, tab-separated.
    std::string Row(int32_t row) const;

    TInteres* window = nullptr;
};
