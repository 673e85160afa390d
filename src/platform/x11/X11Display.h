#pragma once

#include "common/UiText.h"
#include "platform/x11/XcbHeaders.h"

#include <optional>
#include <string>

namespace kestrel::x11 {

// A connection to an X display and the root window of the screen its name chose.
struct DisplayConnection {
    xcb_connection_t* connection = nullptr; // the caller's to disconnect
    xcb_window_t root = 0;
};

// Connects to the display `name` ($DISPLAY when empty). Nothing, and nothing left open, when
// the display cannot be opened or has no screen of the number the name gives (":0.7");
// `error` then says which, in words for the user.
std::optional<DisplayConnection> connectDisplay(const std::string& name, UiMessage* error = nullptr);

// Whether the display `name` can be opened (see connectDisplay); the connection is closed again.
bool canConnect(const std::string& name, UiMessage* error = nullptr);

// The next event that has come on `connection`, or nothing. While `readSocket` holds, the
// socket is read once, when the events already read run out, and `readSocket` is cleared:
// a second read would almost always find it empty. What one read leaves in the socket, and
// whatever comes later, waits for the caller's next look (a socket notifier's, say).
xcb_generic_event_t* nextEvent(xcb_connection_t* connection, bool& readSocket);

} // namespace kestrel::x11
