#pragma once

class QFocusEvent;

// True when the focus moves to or comes back from another window or a pop-up
// (a menu, a calendar): as far as the form is concerned it stayed where it
// was, so the control has been neither left nor entered.
bool FocusStaysInForm(const QFocusEvent& event);
