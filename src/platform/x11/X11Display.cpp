#include "platform/x11/X11Display.h"

#include <cstdlib>

namespace kestrel::x11 {

std::optional<DisplayConnection> connectDisplay(const std::string& name, std::string* error)
{
    const char* display = name.empty() ? std::getenv("DISPLAY") : name.c_str();
    const std::string shownName = display ? display : "";
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(name.empty() ? nullptr : name.c_str(), &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        if (error)
            *error = "cannot open the X display " + shownName;
        return std::nullopt;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    const int screenCount = screens.rem;
    if (screenNumber < 0 || screenNumber >= screenCount) {
        xcb_disconnect(connection);
        if (error)
            *error = "the X display " + shownName + " has no screen " + std::to_string(screenNumber) + " (it has " +
                     std::to_string(screenCount) + ")";
        return std::nullopt;
    }
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    return DisplayConnection{connection, screens.data->root};
}

} // namespace kestrel::x11
