#pragma once

#include <QMetaObject>

#include <chrono>
#include <memory>

struct wl_display;
class QSocketNotifier;

namespace kestrel::wayland {

// A connection of Kestrel's own to the Wayland compositor (next to Qt's), served by the Qt
// main loop: its events are read and dispatched when they come, and its requests go out
// together when the loop is about to sleep. A compositor that goes away is said once.
// How long Kestrel waits for the compositor to answer, where it must wait, and what it says
// when the compositor did not.
inline constexpr std::chrono::milliseconds answerBound{1000};
inline constexpr const char* noAnswer = "the Wayland compositor did not answer within a second";

// Sends what is queued and dispatches what comes until the compositor has answered all of
// it, or `bound` has passed, or the connection failed: true when it answered.
bool roundTrip(wl_display* display, std::chrono::milliseconds bound = answerBound);

class WaylandConnection {
public:
    // Nothing when no compositor answers at WAYLAND_DISPLAY.
    static std::unique_ptr<WaylandConnection> open();
    ~WaylandConnection();

    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* display() const { return m_display; }
    // From now on, events are dispatched by the main loop.
    void attachToMainLoop();
    void flush();
    bool isBroken() const { return m_broken; }

private:
    explicit WaylandConnection(wl_display* display);
    void read();

    wl_display* m_display;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QMetaObject::Connection m_beforeSleep;
    bool m_broken = false;
};

} // namespace kestrel::wayland
