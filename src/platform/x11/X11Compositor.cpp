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
    // Asked each time a row of keycaps appears: the selection's name is looked up once, so
    // the question costs one round trip.
    static xcb_atom_t selection = XCB_ATOM_NONE;
    if (selection == XCB_ATOM_NONE) {
        selection = internAtom(connection, "_NET_WM_CM_S" + screen);
        if (selection == XCB_ATOM_NONE)
            return false;
    }
    const XcbPointer<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr));
    return owner && owner->owner != XCB_NONE;
}

} // namespace kestrel::x11
