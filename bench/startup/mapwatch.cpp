// map_watch TITLE: waits on the X display for a top-level window whose name
// contains TITLE to be mapped, and prints the moment the map arrived, in
// microseconds of the real-time clock, the same clock as bash's
// EPOCHREALTIME. Prints "ready" first, once it listens, so that a script
// starts the program only then. Listening costs no processor time while it
// waits, unlike polling with xdotool, which on a small machine competes with
// the program being timed.
//
// Exits 1 when it cannot reach the display.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

long long NowMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
}

std::string Property(xcb_connection_t* display, xcb_window_t window, xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(display,
                               xcb_get_property(display, 0, window, property, XCB_ATOM_ANY, 0, 1024),
                               nullptr),
        &std::free);
    if (!reply) return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(text, static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

xcb_atom_t Atom(xcb_connection_t* display, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(display, xcb_intern_atom(display, 0, uint16_t(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: map_watch TITLE\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* display = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(display)) return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(display)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netName = Atom(display, "_NET_WM_NAME");
    std::printf("ready\n");
    std::fflush(stdout);

    while (xcb_generic_event_t* event = xcb_wait_for_event(display)) {
        const Reply<xcb_generic_event_t> owned(event, &std::free);
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const long long mapped = NowMicroseconds();
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        if (Property(display, window, netName).find(title) != std::string::npos ||
            Property(display, window, XCB_ATOM_WM_NAME).find(title) != std::string::npos) {
            std::printf("%lld\n", mapped);
            return 0;
        }
    }
    return 1;
}
