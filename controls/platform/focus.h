#pragma once

#include "basic/activationtoken.h"

class QFocusEvent;
class QWidget;

// True when the focus moves to or comes back from another window or a pop-up
// (a menu, a calendar): as far as the form is concerned it stayed where it
// was, so the control has been neither left nor entered.
bool FocusStaysInForm(const QFocusEvent& event);

// Shows a window restored (if it was minimised), above the others and
// active, with the keyboard focus where it last was.
void BringToFront(QWidget& window);

// The same at the request of another program (a second start), with the
// desktop's token of that start, where window managers that keep programs
// from taking the focus let it be taken for the user's action that started
// it. On X11 the window takes the launch's startup id and the activation is
// asked for at the time of the launch's click (the id's _TIME) where a window
// manager takes such requests; without that time, or without a window
// manager, the focus is given with the X server's current time, and the
// launch's busy cursor is ended either way. On Wayland Qt activates the
// window with the xdg-activation token.
void BringToFrontForAnotherProgram(QWidget& window, const TActivationToken& activation);
