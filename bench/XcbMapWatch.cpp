#include "XcbMapWatch.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Intern(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<uint16_t>(std::char_traits<char>::length(name)), name);
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

}  // namespace

XcbMapWatch::XcbMapWatch(const char* displayName) {
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(displayName, &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
    if (!screens.rem) {
        xcb_disconnect(c);
        return;
    }
    // Without a window manager a client's map lands at once and the root reports it.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    connection_ = c;
    netWmName_ = Intern(c, "_NET_WM_NAME");
    utf8String_ = Intern(c, "UTF8_STRING");
    xcb_flush(c);
}

XcbMapWatch::~XcbMapWatch() {
    if (connection_) xcb_disconnect(connection_);
}

std::string XcbMapWatch::TitleOf(unsigned window) {
    for (const auto& [property, type] :
         {std::pair<xcb_atom_t, xcb_atom_t>{netWmName_, utf8String_}, {XCB_ATOM_WM_NAME, XCB_ATOM_ANY}}) {
        if (property == XCB_ATOM_NONE) continue;
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(connection_, 0, window, property, type, 0, 1024);
        const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection_, cookie, nullptr));
        if (!reply || xcb_get_property_value_length(reply.get()) <= 0) continue;
        return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           static_cast<size_t>(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

bool XcbMapWatch::WaitForWindowTitled(const std::string& title, std::chrono::milliseconds timeout) {
    if (!connection_) return false;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
            const XcbReply<xcb_generic_event_t> event(raw);
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (!map->override_redirect && TitleOf(map->window).find(title) != std::string::npos) return true;
        }
        if (xcb_connection_has_error(connection_)) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
    }
}
