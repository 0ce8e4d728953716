#pragma once

// TDataCalendari: a date picker with a drop-down calendar, and a masked
// editor laid over its text part where the date is typed as dd/mm/yyyy
// digits. One letter snaps the date to the start of a period (D day, M month,
// T quarter, A year, S week) and moves on; Enter moves on too. The drop-down
// button stays visible at the right.
//
// The editor's text and the picker's date value are two representations
// brought into step only when the calendar opens (the value takes the typed
// date), when it closes (the text takes the value) and by a period letter.

#include <QDateEdit>
#include <QPointer>
#include <functional>
#include <string>

#include "basic/dates.h"

class QLineEdit;

class TDataCalendari : public QDateEdit {
    Q_OBJECT

public:
    explicit TDataCalendari(QWidget* parent = nullptr);
    ~TDataCalendari() override;

    // The picker's date value (days since 30 December 1899).
    TDateTime Date() const;
    void SetDate(TDateTime value);

    // Shows a date text "yyyymmdd" in the editor ("00/00/0000" for the empty
    // date); the date value is not touched.
    void SetDateText(const std::string& dateText);
    // The editor's date as "yyyymmdd"; "00000000" when empty.
    std::string GetDateText() const;

    // The overlay editor, named after the field with "Edit" appended.
    QLineEdit* Editor() const { return editor_; }

    // The date value changed.
    std::function<void(TDataCalendari* sender)> OnChange;
    // The editor lost the focus (the editor is the sender).
    std::function<void(QObject* sender)> OnExit;
    // The drop-down part takes the focus; by default DropDownEnter.
    std::function<void(TDataCalendari* sender)> OnEnter;
    // The calendar closed; by default CalendarCloseUp.
    std::function<void(TDataCalendari* sender)> OnCloseUp;

    // The calendar opens on the typed date, or on today for an empty one.
    void DropDownEnter();
    // The editor takes the picked date (empty before 1900) and the focus.
    void CalendarCloseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Tab leaves the field instead of stepping through the picker's sections.
    bool focusNextPrevChild(bool next) override;

private:
    bool EditorKeyPress(QKeyEvent* event);
    void ApplyPeriodLetter(char letter);
    void MoveFocusOn();
    void CleanEditorText();
    void PlaceEditor();

    QLineEdit* editor_;
    QPointer<QWidget> popup_;  // the calendar's pop-up window
};
