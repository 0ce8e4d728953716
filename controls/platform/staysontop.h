#pragma once

// A window kept above the other windows of the desktop (on X11 the window
// manager's _NET_WM_STATE_ABOVE), through Qt's stay-on-top window flag.

class QWidget;

bool StaysOnTop(const QWidget& window);
// Changing it on a shown window shows it again where it was, active.
void SetStaysOnTop(QWidget& window, bool on);
