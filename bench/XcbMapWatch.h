#pragma once
// Watches a display for top-level windows being mapped, straight over XCB, so a start-up
// measurement sees the map itself rather than the next poll of an outside tool.

#include <chrono>
#include <string>

struct xcb_connection_t;

class XcbMapWatch {
public:
    explicit XcbMapWatch(const char* displayName);
    ~XcbMapWatch();
    XcbMapWatch(const XcbMapWatch&) = delete;
    XcbMapWatch& operator=(const XcbMapWatch&) = delete;

    bool Connected() const { return connection_ != nullptr; }
    // True once a window whose title contains `title` is mapped; false on timeout.
    bool WaitForWindowTitled(const std::string& title, std::chrono::milliseconds timeout);

private:
    std::string TitleOf(unsigned window);

    xcb_connection_t* connection_ = nullptr;
    unsigned netWmName_ = 0;
    unsigned utf8String_ = 0;
};
