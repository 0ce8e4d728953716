#pragma once

// The boundary of one user action of a window: a failing platform operation
// (PlatformError: a text that is no number, a clipboard failure) stops the
// action and its message is shown in an error box owned by `owner`; a
// SilentAbort stops it without a word. The program carries on either way.

#include <functional>

class QWidget;

void RunGuarded(QWidget* owner, const std::function<void()>& action);
