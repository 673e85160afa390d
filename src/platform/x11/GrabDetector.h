#pragma once

#include "platform/x11/XcbHeaders.h"

#include <deque>
#include <memory>
#include <string>
#include <utility>

namespace kestrel::x11 {

// Tells whether a key press happened while another client held the keyboard grabbed, as
// password prompts, pinentry, polkit and screen lockers do. Kestrel's own listener speaks
// XInput 2.2 and receives raw keys even then; this second connection speaks XInput 2.0,
// for which the server withholds raw events during a grab. A press the 2.2 connection saw
// and this one did not was typed into a grab. It never grabs anything itself, so the focused
// application is not disturbed.
class GrabDetector {
public:
    // Nothing when the display or XInput 2.0 cannot be had.
    static std::unique_ptr<GrabDetector> create(const std::string& displayName);
    ~GrabDetector();

    GrabDetector(const GrabDetector&) = delete;
    GrabDetector& operator=(const GrabDetector&) = delete;

    // A press not yet seen here costs one round trip: everything the server sent before the
    // reply is then in our queue. When the detector cannot answer, the press counts as withheld.
    bool isWithheld(xcb_timestamp_t time, xcb_keycode_t keycode);
    // The detector's own connection failed; make a new detector.
    bool isBroken() const { return m_broken; }

private:
    explicit GrabDetector(xcb_connection_t* connection) : m_connection(connection) {}
    // The presses that came, with `readSocket` also those not yet read from the connection.
    void collect(bool readSocket);
    // Whether the press was seen here; it and every press before it are then forgotten.
    bool forget(xcb_timestamp_t time, xcb_keycode_t keycode);

    xcb_connection_t* m_connection;
    std::deque<std::pair<xcb_timestamp_t, xcb_keycode_t>> m_seen; // recent presses, oldest first
    bool m_broken = false;
};

} // namespace kestrel::x11
