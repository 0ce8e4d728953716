#pragma once

class QFocusEvent;
class QWidget;

// True when the focus moves to or comes back from another window or a pop-up
// (a menu, a calendar): as far as the form is concerned it stayed where it
// was, so the control has been neither left nor entered.
bool FocusStaysInForm(const QFocusEvent& event);

// Shows a window restored (if it was minimised), above the others and
// active, with the keyboard focus where it last was.
void BringToFront(QWidget& window);

// The same at the request of another program (a second start): on X11 the
// request to activate the window carries the time of the last event this
// program saw, and the X server refuses it when the user has put the focus
// elsewhere since; here the focus is given with the server's current time.
void BringToFrontForAnotherProgram(QWidget& window);
