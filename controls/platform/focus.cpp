#include "controls/platform/focus.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QWidget>

#if defined(BRIMSUM_HAVE_XCB)
#include <xcb/xcb.h>
#endif

bool FocusStaysInForm(const QFocusEvent& event) {
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}

void BringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void BringToFrontForAnotherProgram(QWidget& window) {
    // Only a window already on the screen can take the X input focus; a
    // minimised one gets it from the window manager when it comes back.
    const bool mapped = window.isVisible() && !window.isMinimized();
    BringToFront(window);
#if defined(BRIMSUM_HAVE_XCB)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || !mapped) return;
    xcb_connection_t* connection = x11->connection();
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(window.winId()), XCB_CURRENT_TIME);
    xcb_flush(connection);
#else
    (void)mapped;
#endif
}
