#include "controls/platform/x11activation.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
TReply<T> Owned(T* reply) {
    return TReply<T>(reply, &std::free);
}

// A startup notification message travels in pieces of 20 bytes.
constexpr size_t kInfoPiece = 20;

}  // namespace

TX11Activation::TX11Activation(xcb_connection_t* connection, xcb_window_t window)
    : connection_(connection), window_(window) {
    static constexpr const char* kNames[kAtomCount] = {
        "_NET_STARTUP_ID",         "UTF8_STRING",      "_NET_ACTIVE_WINDOW", "_NET_SUPPORTED",
        "_NET_STARTUP_INFO_BEGIN", "_NET_STARTUP_INFO"};
    std::array<xcb_intern_atom_cookie_t, kAtomCount> cookies{};
    for (size_t atom = 0; atom < cookies.size(); ++atom)
        cookies[atom] =
            xcb_intern_atom(connection_, 0, uint16_t(std::strlen(kNames[atom])), kNames[atom]);
    const xcb_get_geometry_cookie_t geometry = xcb_get_geometry(connection_, window_);
    for (size_t atom = 0; atom < cookies.size(); ++atom) {
        if (const auto reply = Owned(xcb_intern_atom_reply(connection_, cookies[atom], nullptr)))
            atoms_[atom] = reply->atom;
    }
    if (const auto reply = Owned(xcb_get_geometry_reply(connection_, geometry, nullptr)))
        root_ = reply->root;
}

TX11Activation::~TX11Activation() {
    xcb_flush(connection_);
}

bool TX11Activation::ManagerActivates() const {
    if (root_ == XCB_WINDOW_NONE || atoms_[kActiveWindow] == XCB_ATOM_NONE) return false;
    // Window managers list a few hundred atoms at most.
    constexpr uint32_t kMostAtoms = 4096;
    const auto reply = Owned(xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, root_, atoms_[kSupported], XCB_ATOM_ATOM, 0, kMostAtoms),
        nullptr));
    if (!reply || reply->format != 32) return false;
    const auto* supported = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(supported, supported + count, atoms_[kActiveWindow]) != supported + count;
}

void TX11Activation::SetStartupId(const std::string& id) {
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_, atoms_[kStartupId],
                        atoms_[kUtf8String], 8, uint32_t(id.size()), id.data());
}

void TX11Activation::RequestActivation(uint32_t time) {
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window_;
    request.type = atoms_[kActiveWindow];
    request.data.data32[0] = 1;  // the request comes from an application
    request.data.data32[1] = time;
    request.data.data32[2] = XCB_WINDOW_NONE;  // none of its windows is active
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
}

// The message and its closing NUL, in pieces: the first one marked as the
// beginning, every piece naming this window as the sender.
void TX11Activation::EndStartup(const std::string& id) {
    const std::string message = "remove: ID=" + id;
    const size_t length = message.size() + 1;
    for (size_t sent = 0; sent < length; sent += kInfoPiece) {
        xcb_client_message_event_t piece{};
        piece.response_type = XCB_CLIENT_MESSAGE;
        piece.format = 8;
        piece.window = window_;
        piece.type = atoms_[sent == 0 ? kInfoBegin : kInfo];
        std::memcpy(piece.data.data8, message.c_str() + sent, std::min(kInfoPiece, length - sent));
        xcb_send_event(connection_, 0, root_, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&piece));
    }
}

void TX11Activation::TakeFocus() {
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, window_, XCB_CURRENT_TIME);
}
