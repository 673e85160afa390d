#include "platform/x11/GrabDetector.h"

#include "platform/x11/X11Display.h"

#include <algorithm>

namespace kestrel::x11 {

namespace {
constexpr std::size_t rememberedPresses = 64;
}

std::unique_ptr<GrabDetector> GrabDetector::create(const std::string& displayName)
{
    const auto display = connectDisplay(displayName);
    if (!display)
        return nullptr;
    xcb_connection_t* connection = display->connection;
    std::unique_ptr<GrabDetector> detector(new GrabDetector(connection));
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_input_id);
    const XcbPointer<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(connection, xcb_input_xi_query_version(connection, 2, 0), nullptr));
    if (!extension || !extension->present || !version || version->major_version < 2)
        return nullptr;

    const xcb_window_t root = display->root;
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t mask;
    } selection{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS};
    const XcbPointer<xcb_generic_error_t> refused(
        xcb_request_check(connection, xcb_input_xi_select_events_checked(connection, root, 1, &selection.head)));
    if (refused)
        return nullptr;
    return detector;
}

GrabDetector::~GrabDetector()
{
    xcb_disconnect(m_connection);
}

void GrabDetector::collect(bool readSocket)
{
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(m_connection, &xcb_input_id);
    while (xcb_generic_event_t* raw = nextEvent(m_connection, readSocket)) {
        const XcbPointer<xcb_generic_event_t> event(raw);
        if ((event->response_type & 0x7f) != XCB_GE_GENERIC)
            continue;
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(raw);
        if (generic->extension != extension->major_opcode || generic->event_type != XCB_INPUT_RAW_KEY_PRESS)
            continue;
        const auto* press = reinterpret_cast<const xcb_input_raw_key_press_event_t*>(raw);
        m_seen.emplace_back(press->time, static_cast<xcb_keycode_t>(press->detail));
        if (m_seen.size() > rememberedPresses)
            m_seen.pop_front();
    }
}

bool GrabDetector::isWithheld(xcb_timestamp_t time, xcb_keycode_t keycode)
{
    // The server sends a press to both connections at once, so it has usually come here
    // already: then no round trip is needed to know it was not withheld.
    collect(true);
    if (forget(time, keycode))
        return false;
    const XcbPointer<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    if (!reply) {
        m_broken = true;
        return true; // we cannot tell, and a password must never show: count it as withheld
    }
    collect(false);
    return !forget(time, keycode);
}

bool GrabDetector::forget(xcb_timestamp_t time, xcb_keycode_t keycode)
{
    const auto seen = std::ranges::find(m_seen, std::pair{time, keycode});
    if (seen == m_seen.end())
        return false;
    m_seen.erase(m_seen.begin(), seen + 1);
    return true;
}

} // namespace kestrel::x11
