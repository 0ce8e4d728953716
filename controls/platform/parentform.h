#pragma once

class QObject;
class QWidget;

// The window a control belongs to, found by following its parents from the
// control's own parent; nullptr for no control or a control without a window
// above it.
QWidget* ParentForm(const QObject* control);
