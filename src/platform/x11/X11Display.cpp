#include "platform/x11/X11Display.h"

#include <cstdlib>

namespace kestrel::x11 {

std::optional<DisplayConnection> connectDisplay(const std::string& name, UiMessage* error)
{
    const char* display = name.empty() ? std::getenv("DISPLAY") : name.c_str();
    const std::string shownName = display ? display : "";
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(name.empty() ? nullptr : name.c_str(), &screenNumber);
    const auto noSuchScreen = [&] {
        if (error)
            *error = {KESTREL_TEXT("X11", "the X display %1 has no screen %2"),
                      {shownName, std::to_string(screenNumber)}};
        return std::nullopt;
    };
    if (const int failure = xcb_connection_has_error(connection); failure != 0) {
        xcb_disconnect(connection);
        if (failure == XCB_CONN_CLOSED_INVALID_SCREEN)
            return noSuchScreen();
        if (error)
            *error = {KESTREL_TEXT("X11", "cannot open the X display %1"), {shownName}};
        return std::nullopt;
    }
    // Older xcb leaves the screen number to us.
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (screenNumber < 0 || screenNumber >= screens.rem) {
        xcb_disconnect(connection);
        return noSuchScreen();
    }
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    return DisplayConnection{connection, screens.data->root};
}

bool canConnect(const std::string& name, UiMessage* error)
{
    const auto display = connectDisplay(name, error);
    if (display)
        xcb_disconnect(display->connection);
    return display.has_value();
}

xcb_generic_event_t* nextEvent(xcb_connection_t* connection, bool& readSocket)
{
    xcb_generic_event_t* event = xcb_poll_for_queued_event(connection);
    if (!event && readSocket) {
        readSocket = false;
        event = xcb_poll_for_event(connection);
    }
    return event;
}

} // namespace kestrel::x11
