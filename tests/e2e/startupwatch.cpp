// startup_watch: stands on a virtual X display for the part of a desktop that
// follows launches. It announces a window manager that takes activation
// requests (_NET_ACTIVE_WINDOW among the root window's _NET_SUPPORTED), prints
// "ready" once it listens, then a line for each of
//     activate WINDOW SOURCE TIME   a request to activate WINDOW (decimal, as
//                                   xdotool prints it) from SOURCE (1: an
//                                   application) for the user's action at TIME
//     startup MESSAGE               a startup notification message, whole
// until it is ended. Exits 1 when it cannot reach the display.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* display, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            display, xcb_intern_atom(display, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

void Print(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

int main() {
    xcb_connection_t* display = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(display)) return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(display)).data->root;
    const xcb_atom_t activeWindow = Atom(display, "_NET_ACTIVE_WINDOW");
    const xcb_atom_t infoBegin = Atom(display, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t info = Atom(display, "_NET_STARTUP_INFO");
    xcb_change_property(display, XCB_PROP_MODE_REPLACE, root, Atom(display, "_NET_SUPPORTED"),
                        XCB_ATOM_ATOM, 32, 1, &activeWindow);
    // Client messages sent to the root window reach every client that asked
    // for one of the kinds of events they are sent as.
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(display);
    Print("ready");

    // Startup messages come in pieces of 20 bytes, gathered by sender.
    std::map<xcb_window_t, std::string> pieces;
    while (xcb_generic_event_t* event = xcb_wait_for_event(display)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) continue;
        const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (message->type == activeWindow && message->format == 32) {
            Print("activate " + std::to_string(message->window) + " " +
                  std::to_string(message->data.data32[0]) + " " +
                  std::to_string(message->data.data32[1]));
        } else if ((message->type == infoBegin || message->type == info) && message->format == 8) {
            std::string& text = pieces[message->window];
            if (message->type == infoBegin) text.clear();
            const char* data = reinterpret_cast<const char*>(message->data.data8);
            const size_t length = strnlen(data, 20);
            text.append(data, length);
            if (length < 20) {
                Print("startup " + text);
                pieces.erase(message->window);
            }
        }
    }
    return 1;
}
