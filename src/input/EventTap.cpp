#include "input/EventTap.h"

namespace kestrel {

EventTap::EventTap(EventTapService& service, std::initializer_list<std::uint32_t> types, Handler handler)
    : m_service(service), m_mask(maskFor(types)), m_handler(std::move(handler))
{}

EventTap::~EventTap()
{
    stop();
}

std::uint64_t EventTap::maskFor(std::initializer_list<std::uint32_t> types)
{
    std::uint64_t mask = 0;
    for (std::uint32_t type : types) {
        if (type < 64)
            mask |= std::uint64_t{1} << type;
    }
    return mask;
}

bool EventTap::start()
{
    if (m_tap)
        return true;
    auto tap =
        m_service.createTap(m_mask, m_self.bind([](EventTap& self, std::uint32_t type, const PlatformEvent& event) {
            self.handleEvent(type, event);
        }));
    if (!tap)
        return false;
    m_tap = tap;
    m_service.enable(*m_tap, true);
    return true;
}

void EventTap::stop()
{
    if (!m_tap)
        return;
    const auto tap = *m_tap;
    m_tap.reset();
    m_service.enable(tap, false);
    m_service.remove(tap);
}

void EventTap::handleEvent(std::uint32_t type, const PlatformEvent& event)
{
    if (type >= EventType::tapDisabledByTimeout) {
        // The source switched the tap off; switch it straight back on. Events of the
        // pause are not replayed.
        if (m_tap)
            m_service.enable(*m_tap, true);
        return;
    }
    if (m_handler)
        m_handler(type, event);
}

} // namespace kestrel
