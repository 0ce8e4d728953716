#include "controls/platform/focus.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QWidget>

#if defined(BRIMSUM_HAVE_XCB)
#include "controls/platform/x11activation.h"
#endif

namespace {

void ShowRaised(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
}

#if defined(BRIMSUM_HAVE_XCB)
// On X11 a window manager decides. With the time of the user's click the
// launch id carries, it is asked to activate the window for that click,
// which it grants unless the user has worked elsewhere since. Otherwise the
// request Qt makes carries the time of the last event this program saw,
// which the window manager may refuse; the focus is then given with the X
// server's current time. Either way the window takes the launch's id, which
// window managers that follow launches go by, and the launch ends.
void BringToFrontOnX11(QWidget& window, bool mapped, const TActivationToken& activation,
                       xcb_connection_t* connection) {
    TX11Activation x11(connection, static_cast<xcb_window_t>(window.winId()));
    const std::string& id = activation.startupId;
    if (!id.empty()) x11.SetStartupId(id);
    const std::optional<uint32_t> time = activation.StartupTime();
    if (time && x11.ManagerActivates()) {
        ShowRaised(window);
        x11.RequestActivation(*time);
    } else {
        BringToFront(window);
        // Only a window already on the screen can take the X input focus; a
        // minimised one gets it from the window manager when it comes back.
        if (mapped) x11.TakeFocus();
    }
    if (!id.empty()) x11.EndStartup(id);
}
#endif

// Qt's Wayland platform activates a window with the token it finds in the
// environment (xdg-activation), and takes the token out of it.
void BringToFrontOnWayland(QWidget& window, const TActivationToken& activation) {
    const bool token = !activation.xdgActivationToken.empty();
    if (token)
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(activation.xdgActivationToken));
    BringToFront(window);
    if (token) qunsetenv("XDG_ACTIVATION_TOKEN");
}

}  // namespace

bool FocusStaysInForm(const QFocusEvent& event) {
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}

void BringToFront(QWidget& window) {
    ShowRaised(window);
    window.activateWindow();
}

void BringToFrontForAnotherProgram(QWidget& window, const TActivationToken& activation) {
    const bool mapped = window.isVisible() && !window.isMinimized();
#if defined(BRIMSUM_HAVE_XCB)
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return BringToFrontOnX11(window, mapped, activation, x11->connection());
#endif
    (void)mapped;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return BringToFrontOnWayland(window, activation);
    BringToFront(window);
}
