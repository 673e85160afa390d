#pragma once

#include <QRect>

#include <optional>
#include <string>

#include <xcb/xcb.h>

namespace kestrel::test {

// Windows of an X server as a user sees them, under any window manager (frames included): a
// connection of the test's own that finds viewable windows by title and says where they are.
class XWindows {
public:
    // `authority`: an X authority file, or empty for the default.
    XWindows(const std::string& display, const std::string& authority = {});
    ~XWindows();

    XWindows(const XWindows&) = delete;
    XWindows& operator=(const XWindows&) = delete;

    bool isConnected() const;
    // Where the viewable window titled `title` is on the screen, if there is one.
    std::optional<QRect> find(const std::string& title);
    // Waits until such a window is there (or, `present` false, gone); whether it happened.
    bool await(const std::string& title, bool present = true);

private:
    std::optional<QRect> findBelow(xcb_window_t parent, const std::string& title);

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
};

} // namespace kestrel::test
