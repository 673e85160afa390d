#pragma once

#include "platform/EventTapService.h"
#include "platform/evdev/EvdevSeat.h"

#include <functional>
#include <memory>

namespace kestrel::evdev {

// Kestrel's event taps from the kernel's input devices, for desktops where the X server
// sees no keys (Wayland): the seat's keyboards and mice, read on the Qt main loop and turned
// into the same platform events as the X11 source gives. Devices are opened with the first
// tap and closed with the last, so a stopped Kestrel holds no device open and wakes for
// nothing.
class EvdevEventTapService final : public EventTapService {
public:
    struct Options {
        EvdevSeat::Options seat;
        // True while key-downs must not be shown: the devices also carry what is typed into
        // lock screens and password prompts, which no window of Kestrel's can see.
        std::function<bool()> isTypingWithheld;
    };

    explicit EvdevEventTapService(Options options);
    ~EvdevEventTapService() override;

    EvdevEventTapService(const EvdevEventTapService&) = delete;
    EvdevEventTapService& operator=(const EvdevEventTapService&) = delete;

    std::optional<TapId> createTap(std::uint64_t mask, Callback callback) override;
    void enable(TapId tap, bool enabled) override;
    void remove(TapId tap) override;
    void deliverPending() override;
    // Stops watching the devices while frames come.
    void waitForFrames(bool wait) override;

    // The desktop switched to the keymap's layout `index`: applied now, and kept for when the
    // devices open again.
    void setActiveLayout(std::uint32_t index);
    // The desktop's keymap (its text): used from now on, when xkbcommon can build it and it is
    // a whole keyboard's.
    void setKeymap(const std::string& keymap);
    // The desktop's layouts by name (where it keeps them itself): used from now on, when
    // xkbcommon knows them.
    void setLayouts(const XkbKeyboard::Names& layouts);

    // Reads the records of a stream already open (the privileged reader's output) along with
    // the devices, from now on; while no tap wants keys, what comes is read and dropped, so
    // nothing old is shown later. The caller keeps `fd` open until `detachStream`.
    void attachStream(int fd);
    void detachStream();

    // The keyboard state the keys are read with, while the devices are open.
    XkbKeyboard* keyboard();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kestrel::evdev
