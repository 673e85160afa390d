#include "platform/wayland/WaylandConnection.h"

#include "common/ui/Translated.h"
#include "platform/wayland/CompositorEnd.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <poll.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace kestrel::wayland {

bool roundTrip(wl_display* display, std::chrono::milliseconds bound)
{
    static const wl_callback_listener listener{[](void* data, wl_callback* callback, std::uint32_t) {
        *static_cast<bool*>(data) = true;
        wl_callback_destroy(callback);
    }};
    bool answered = false;
    wl_callback* callback = wl_display_sync(display);
    wl_callback_add_listener(callback, &listener, &answered);
    const auto deadline = std::chrono::steady_clock::now() + bound;
    bool failed = false;
    while (!answered && !failed) {
        while (!failed && wl_display_prepare_read(display) != 0)
            failed = wl_display_dispatch_pending(display) < 0;
        if (failed || answered)
            break; // no read was prepared
        wl_display_flush(display);
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd socket{wl_display_get_fd(display), POLLIN, 0};
        const int ready = left.count() > 0 ? ::poll(&socket, 1, static_cast<int>(left.count())) : 0;
        if (ready <= 0) {
            wl_display_cancel_read(display);
            if (ready < 0 && errno == EINTR)
                continue;
            break; // no answer in time
        }
        failed = wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0;
    }
    if (!answered)
        wl_callback_destroy(callback); // an answer that comes later goes nowhere
    return answered;
}

std::unique_ptr<WaylandConnection> WaylandConnection::open()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    return std::unique_ptr<WaylandConnection>(new WaylandConnection(display));
}

WaylandConnection::WaylandConnection(wl_display* display) : m_display(display) {}

WaylandConnection::~WaylandConnection()
{
    QObject::disconnect(m_beforeSleep);
    m_notifier.reset();
    wl_display_disconnect(m_display);
}

void WaylandConnection::attachToMainLoop()
{
    if (m_notifier)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(wl_display_get_fd(m_display), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { read(); });
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        m_beforeSleep = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { flush(); });
}

void WaylandConnection::flush()
{
    if (!m_broken)
        wl_display_flush(m_display);
}

void WaylandConnection::read()
{
    if (m_broken)
        return;
    // A connection with a protocol error fails every read and dispatch from then on.
    bool failed = false;
    while (!failed && wl_display_prepare_read(m_display) != 0)
        failed = wl_display_dispatch_pending(m_display) < 0;
    if (failed || wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0 ||
        wl_display_get_error(m_display) != 0) {
        const int error = wl_display_get_error(m_display);
        if (error == EPIPE || error == ECONNRESET)
            compositorEnded();
        m_broken = true;
        m_notifier->setEnabled(false);
        const std::string why =
            translatedText({KESTREL_TEXT("Wayland", "the Wayland compositor refused Kestrel's requests (%1)."),
                            {verbatim(std::strerror(error))}});
        std::fprintf(stderr, "kestrel: %s\n", why.c_str());
    }
}

} // namespace kestrel::wayland
