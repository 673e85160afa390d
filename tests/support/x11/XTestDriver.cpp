#include "support/x11/XTestDriver.h"

#include "support/x11/XConnect.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <iterator>

namespace kestrel::test {

struct XTestDriver::Impl {
    std::string display;
    std::string authority;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_window_t grabWindow = 0;
};

XTestDriver::XTestDriver(const std::string& display, const std::string& authority) : d(std::make_unique<Impl>())
{
    d->display = display;
    d->authority = authority;
    reconnect();
}

void XTestDriver::reconnect()
{
    if (d->connection)
        xcb_disconnect(d->connection);
    d->root = 0;
    d->connection = connectX(d->display, d->authority);
    if (xcb_connection_has_error(d->connection))
        return;
    d->root = xcb_setup_roots_iterator(xcb_get_setup(d->connection)).data->root;
}

XTestDriver::~XTestDriver()
{
    xcb_disconnect(d->connection);
}

bool XTestDriver::isConnected() const
{
    return xcb_connection_has_error(d->connection) == 0;
}

void XTestDriver::sync()
{
    std::free(xcb_get_input_focus_reply(d->connection, xcb_get_input_focus(d->connection), nullptr));
}

void XTestDriver::keyAsync(std::uint32_t evdevCode, bool down)
{
    xcb_test_fake_input(d->connection, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, static_cast<std::uint8_t>(evdevCode + 8),
                        XCB_CURRENT_TIME, d->root, 0, 0, 0);
}

void XTestDriver::key(std::uint32_t evdevCode, bool down)
{
    keyAsync(evdevCode, down);
    sync();
}

void XTestDriver::tap(std::uint32_t evdevCode)
{
    key(evdevCode, true);
    key(evdevCode, false);
}

void XTestDriver::chord(std::initializer_list<std::uint32_t> modifiers, std::uint32_t evdevCode)
{
    for (std::uint32_t modifier : modifiers)
        key(modifier, true);
    tap(evdevCode);
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
        key(*modifier, false);
}

void XTestDriver::buttonAsync(std::uint8_t button, bool down)
{
    xcb_test_fake_input(d->connection, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME, d->root,
                        0, 0, 0);
}

void XTestDriver::button(std::uint8_t button, bool down)
{
    buttonAsync(button, down);
    sync();
}

void XTestDriver::moveTo(int x, int y)
{
    xcb_test_fake_input(d->connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, d->root, static_cast<std::int16_t>(x),
                        static_cast<std::int16_t>(y), 0);
    sync();
}

void XTestDriver::setButtonMap(const std::vector<std::uint8_t>& map)
{
    std::free(xcb_set_pointer_mapping_reply(
        d->connection, xcb_set_pointer_mapping(d->connection, static_cast<std::uint8_t>(map.size()), map.data()),
        nullptr));
    sync();
}

void XTestDriver::click(std::uint8_t buttonNumber)
{
    button(buttonNumber, true);
    button(buttonNumber, false);
}

bool XTestDriver::grabKeyboard()
{
    auto* reply = xcb_grab_keyboard_reply(
        d->connection,
        xcb_grab_keyboard(d->connection, 1, d->root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return grabbed;
}

void XTestDriver::ungrabKeyboard()
{
    xcb_ungrab_keyboard(d->connection, XCB_CURRENT_TIME);
    sync();
}

} // namespace kestrel::test
