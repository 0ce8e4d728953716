#pragma once

// What a desktop hands the program it starts, so that the window that start
// brings up may take the focus even where the window manager keeps other
// programs from taking it: the startup notification's id on X11
// (DESKTOP_STARTUP_ID, which ends in "_TIME" and the X server time of the
// user's click when the launcher knows it) and the xdg-activation token on
// Wayland (XDG_ACTIVATION_TOKEN). A second start passes its own on to the
// running program, whose window it raises.

#include <cstdint>
#include <optional>
#include <string>

struct TActivationToken {
    std::string startupId;
    std::string xdgActivationToken;

    // Those of this start. Read them before the application object exists:
    // Qt's X11 platform takes DESKTOP_STARTUP_ID out of the environment.
    static TActivationToken FromEnvironment();

    // A token that can travel to another program and into the messages the
    // desktop reads: 1 to kMostBytes printable ASCII characters, no blank,
    // quote or backslash. A start whose token is anything else passes on none.
    static constexpr size_t kMostBytes = 255;
    static bool IsUsable(const std::string& token);

    // The X server time the startup id ends in ("..._TIME1234"); nothing
    // when it ends otherwise.
    std::optional<uint32_t> StartupTime() const;

    bool operator==(const TActivationToken&) const = default;
};
