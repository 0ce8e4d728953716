#pragma once

// A top-level window raised on X11 at another program's request, as the
// window manager rules (EWMH) and the startup notification protocol have it:
// the window takes on the launch that asked for it, the window manager is
// asked to activate it for the user's action of that launch, and launchers
// are told that the launch is over. Built where xcb is (BRIMSUM_HAVE_XCB).
// Requests are sent when the object goes.

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <string>

class TX11Activation {
public:
    TX11Activation(xcb_connection_t* connection, xcb_window_t window);
    ~TX11Activation();
    TX11Activation(const TX11Activation&) = delete;
    TX11Activation& operator=(const TX11Activation&) = delete;

    // A window manager runs that takes activation requests
    // (_NET_ACTIVE_WINDOW among the root window's _NET_SUPPORTED).
    bool ManagerActivates() const;
    // The window belongs to the launch `id` from now on (_NET_STARTUP_ID): a
    // window manager that follows launches activates it as that launch's.
    void SetStartupId(const std::string& id);
    // Asks the window manager to activate the window for a user's action at
    // X server time `time`; it may refuse when the user has worked in
    // another window since.
    void RequestActivation(uint32_t time);
    // The launch `id` has its window: launchers stop showing it as starting
    // (the "remove" message).
    void EndStartup(const std::string& id);
    // Gives the window the input focus at once: where no window manager runs.
    void TakeFocus();

private:
    enum TAtom {
        kStartupId,
        kUtf8String,
        kActiveWindow,
        kSupported,
        kInfoBegin,
        kInfo,
        kAtomCount
    };

    xcb_connection_t* connection_;
    xcb_window_t window_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::array<xcb_atom_t, kAtomCount> atoms_{};
};
