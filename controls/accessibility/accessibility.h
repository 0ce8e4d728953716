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

// Tells listening assistive technology that what a control shows changed.
void NotifyAccessibleTextChanged(QObject* control);
