#pragma once

// Assistive technology (a screen reader, a test) sees the program's own
// controls through QAccessible: the painted panels as keys, fields, displays
// and groups, the glyph buttons as buttons named by caption or hint, the date
// field as a field with a calendar. Names are read from the captions and hints
// each time they are asked for, so they follow any change of text.

class QObject;
class QString;
class QWidget;

// Makes the program's controls known to QAccessible; the controls call it when
// they are created, and only the first call does anything.
void InstallAccessibleInterfaces();

// The name assistive technology gives the widget.
QString AccessibleName(QWidget* widget);

// The text a control shows as assistive technology reads it through its text
// interface; empty without one, or while no assistive technology listens.
QString AccessibleShownText(QObject* control);

// Tells listening assistive technology that what a control shows changed from
// `shownBefore` (the text its interface gave until then), once the current
// user action is over and no more often than a few times a second
// (TAccessibleAnnouncer).
void NotifyAccessibleTextChanged(QObject* control, const QString& shownBefore);
