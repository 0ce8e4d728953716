#include "controls/platform/staysontop.h"

#include <QWidget>

bool StaysOnTop(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// Qt may hide a window whose flags change: it comes back at its place.
void SetStaysOnTop(QWidget& window, bool on) {
    if (StaysOnTop(window) == on) return;
    const bool shown = window.isVisible();
    const QRect place = window.geometry();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (!shown) return;
    if (!window.isVisible()) {
        window.setGeometry(place);
        window.show();
    }
    window.activateWindow();
}
