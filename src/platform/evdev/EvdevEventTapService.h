#pragma once

#include "platform/EventTapService.h"
#include "platform/evdev/XkbKeyboard.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kestrel::evdev {

// Kestrel's event taps from the kernel's input devices, for desktops where the X server
// sees no keys (Wayland): every keyboard and mouse in /dev/input that this user may read,
// followed as they come and go, read on the Qt main loop and turned into the same platform
// events as the X11 source gives. Devices are opened with the first tap and closed with the
// last, so a stopped Kestrel holds no device open and wakes for nothing.
class EvdevEventTapService final : public EventTapService {
public:
    struct Options {
        std::string directory = "/dev/input";
        // Files that carry evdev records without being devices (a FIFO another program
        // writes), read as one more keyboard and mouse.
        std::vector<std::string> streams;
        // The keymap: layout names, unless `keymap` holds a keymap's text.
        XkbKeyboard::Names layout;
        std::string keymap;
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
    void waitForFrames(bool wait) override;

    // The keyboard state the keys are read with, while the devices are open; the desktop's
    // layout switches go here.
    XkbKeyboard* keyboard();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kestrel::evdev
