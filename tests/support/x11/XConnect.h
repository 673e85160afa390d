#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace kestrel::test {

// A connection to `display`, with the cookie in the file `authority` when there is one (a
// shell's XWayland asks for it), without changing the test's own environment.
inline xcb_connection_t* connectX(const std::string& display, const std::string& authority)
{
    const char* previous = std::getenv("XAUTHORITY");
    const std::string saved = previous ? previous : "";
    if (!authority.empty())
        ::setenv("XAUTHORITY", authority.c_str(), 1);
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    if (!authority.empty()) {
        if (previous)
            ::setenv("XAUTHORITY", saved.c_str(), 1);
        else
            ::unsetenv("XAUTHORITY");
    }
    return connection;
}

} // namespace kestrel::test
