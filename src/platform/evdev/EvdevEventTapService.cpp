#include "platform/evdev/EvdevEventTapService.h"

#include "platform/TapRegistry.h"

#include <QSocketNotifier>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace kestrel::evdev {

struct EvdevEventTapService::Impl {
    explicit Impl(Options settings) : options(std::move(settings)) {}

    bool open();
    void close()
    {
        seat.reset();
        drainStream();
    }
    // While the seat is closed, the attached stream's records are read and dropped.
    void drainStream();
    void watch(int fd);
    void unwatch(int fd);
    void read(int fd);
    void readAll();
    void deliver(std::vector<PlatformEvent>& events);
    // Reads keys with this keyboard from now on, in the layout the desktop last said.
    void use(std::unique_ptr<XkbKeyboard> keyboard)
    {
        if (!seat)
            return;
        if (activeLayout)
            keyboard->setActiveLayout(*activeLayout);
        seat->useKeyboard(std::move(keyboard));
    }

    Options options;
    TapRegistry taps;
    std::map<int, std::unique_ptr<QSocketNotifier>> notifiers; // by descriptor
    std::unique_ptr<EvdevSeat> seat;                           // after: it retires its notifiers
    int framesWaitedFor = 0;
    std::optional<std::uint32_t> activeLayout; // as the desktop last said
    int stream = -1;                           // attached, not owned
    std::unique_ptr<QSocketNotifier> drain;    // while the seat is closed
};

bool EvdevEventTapService::Impl::open()
{
    if (seat)
        return true;
    drain.reset();
    seat = EvdevSeat::open(options.seat,
                           {.added = [this](int fd) { watch(fd); }, .removed = [this](int fd) { unwatch(fd); }});
    if (seat && activeLayout)
        seat->keyboard().setActiveLayout(*activeLayout);
    return seat != nullptr;
}

void EvdevEventTapService::Impl::drainStream()
{
    if (stream < 0 || seat)
        return;
    drain = std::make_unique<QSocketNotifier>(stream, QSocketNotifier::Read);
    QObject::connect(drain.get(), &QSocketNotifier::activated, [this] {
        std::array<char, 4096> dropped;
        ssize_t count = 0;
        while ((count = ::read(stream, dropped.data(), dropped.size())) > 0) {}
        // The stream has ended: nothing more to drop.
        if (count == 0)
            drain->setEnabled(false);
    });
}

void EvdevEventTapService::Impl::watch(int fd)
{
    auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    notifier->setEnabled(framesWaitedFor == 0);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [this, fd] { read(fd); });
    notifiers[fd] = std::move(notifier);
}

void EvdevEventTapService::Impl::unwatch(int fd)
{
    // A device may go while its own notifier is calling Kestrel: the notifier is switched off
    // at once and deleted once control is back in the main loop.
    const auto found = notifiers.find(fd);
    if (found == notifiers.end())
        return;
    found->second->setEnabled(false);
    found->second.release()->deleteLater();
    notifiers.erase(found);
}

void EvdevEventTapService::Impl::read(int fd)
{
    if (!seat)
        return;
    std::vector<PlatformEvent> events;
    seat->read(fd, events);
    deliver(events);
}

void EvdevEventTapService::Impl::readAll()
{
    if (!seat)
        return;
    std::vector<PlatformEvent> events;
    seat->readAll(events);
    deliver(events);
}

void EvdevEventTapService::Impl::deliver(std::vector<PlatformEvent>& events)
{
    // Modifier changes and releases still pass, so nothing stays held.
    if (options.isTypingWithheld && options.isTypingWithheld())
        std::erase_if(events, [](const PlatformEvent& each) { return each.type == EventType::keyDown; });
    taps.deliver(events);
}

EvdevEventTapService::EvdevEventTapService(Options options) : d(std::make_unique<Impl>(std::move(options))) {}

EvdevEventTapService::~EvdevEventTapService() = default;

std::optional<EventTapService::TapId> EvdevEventTapService::createTap(std::uint64_t mask, Callback callback)
{
    if (!d->open())
        return std::nullopt;
    return d->taps.add(mask, std::move(callback));
}

void EvdevEventTapService::enable(TapId tap, bool enabled)
{
    d->taps.enable(tap, enabled);
}

void EvdevEventTapService::remove(TapId tap)
{
    d->taps.remove(tap);
    if (d->taps.empty())
        d->close();
}

void EvdevEventTapService::deliverPending()
{
    d->readAll();
}

void EvdevEventTapService::waitForFrames(bool wait)
{
    d->framesWaitedFor = std::max(0, d->framesWaitedFor + (wait ? 1 : -1));
    for (auto& [fd, notifier] : d->notifiers)
        notifier->setEnabled(d->framesWaitedFor == 0);
}

void EvdevEventTapService::attachStream(int fd)
{
    detachStream();
    d->stream = fd;
    d->options.seat.streamDescriptors = {fd};
    if (d->seat)
        d->seat->addStream(fd);
    else
        d->drainStream();
}

void EvdevEventTapService::detachStream()
{
    d->drain.reset();
    d->stream = -1;
    d->options.seat.streamDescriptors.clear();
    // The seat's copy closes too, so the writer sees the end; what it held is let go.
    if (d->seat) {
        std::vector<PlatformEvent> released;
        d->seat->closeStreams(released);
        d->deliver(released);
    }
}

void EvdevEventTapService::setKeymap(const std::string& keymap)
{
    // Sway hands the keymap out again whenever another keyboard types; the same one changes
    // nothing (and keeps the locks, such as NumLock, that a new keyboard state would lose).
    if (keymap == d->options.seat.keymap)
        return;
    // A virtual keyboard's keymap says nothing about the keyboards on the desk.
    auto keyboard = XkbKeyboard::fromText(keymap);
    if (!keyboard || !keyboard->isWholeKeyboard())
        return;
    d->options.seat.keymap = keymap;
    d->use(std::move(keyboard));
}

void EvdevEventTapService::setLayouts(const XkbKeyboard::Names& layouts)
{
    auto keyboard = XkbKeyboard::fromNames(layouts);
    if (!keyboard)
        return;
    d->options.seat.layout = layouts;
    d->options.seat.keymap.clear();
    d->use(std::move(keyboard));
}

void EvdevEventTapService::setActiveLayout(std::uint32_t index)
{
    d->activeLayout = index;
    if (d->seat)
        d->seat->keyboard().setActiveLayout(index);
}

XkbKeyboard* EvdevEventTapService::keyboard()
{
    return d->seat ? &d->seat->keyboard() : nullptr;
}

} // namespace kestrel::evdev
