#pragma once

// The boundary of one user action: a failure (PlatformError: a text that is
// no number, a clipboard or file failure; or any other exception) stops the
// action and its message is shown in an error box owned by `owner`; a
// SilentAbort stops it without a word. The program carries on either way.
// Returns true when the action ran to its end.

#include <exception>
#include <functional>

class QWidget;

bool RunGuarded(QWidget* owner, const std::function<void()>& action);

// The error box of a failed action, captioned with the application's name.
void ShowError(QWidget* owner, const std::exception& error);
