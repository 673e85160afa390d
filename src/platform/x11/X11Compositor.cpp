#include "platform/x11/X11Compositor.h"

#include "platform/x11/XcbHeaders.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <string>

namespace kestrel::x11 {

bool isCompositingManagerRunning()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    // The default screen's selection; Qt opens the display's default screen.
    const char* display = std::getenv("DISPLAY");
    std::string screen = "0";
    if (display) {
        const std::string name(display);
        const auto dot = name.rfind('.');
        if (dot != std::string::npos && dot > name.rfind(':'))
            screen = name.substr(dot + 1);
    }
    const std::string selection = "_NET_WM_CM_S" + screen;
    const XcbPointer<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(selection.size()), selection.c_str()),
        nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const XcbPointer<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

} // namespace kestrel::x11
