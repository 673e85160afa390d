#pragma once

#include "common/UiText.h"
#include "platform/EventTapService.h"

#include <memory>
#include <string>

namespace kestrel::x11 {

// Kestrel's event taps on X11: XInput 2.2 raw key and button events from the root window,
// on a connection of its own whose socket the Qt main loop watches. Raw events become
// platform events (macOS key codes, flags-changed events synthesised for modifier keys,
// the flag word rebuilt from what is held, the layout text from xkbcommon). Key-downs typed
// into another client's keyboard grab (password prompts, screen lockers) are never handed
// on. The display is opened with the first tap and closed with the last, so a stopped
// Kestrel keeps no connection and wakes for nothing. A lost display is reported to the
// taps as a disabled tap and reopened every few seconds until it returns.
class X11EventTapService final : public EventTapService {
public:
    // An empty name means $DISPLAY.
    explicit X11EventTapService(std::string displayName = {});
    ~X11EventTapService() override;

    X11EventTapService(const X11EventTapService&) = delete;
    X11EventTapService& operator=(const X11EventTapService&) = delete;

    std::optional<TapId> createTap(std::uint64_t mask, Callback callback) override;
    void enable(TapId tap, bool enabled) override;
    void remove(TapId tap) override;

    void deliverPending() override;
    // Stops watching the connection while frames come.
    void waitForFrames(bool wait) override;

    // Whether the display opens and offers XInput 2.2: Kestrel's "input access" on X11.
    static bool canListen(const std::string& displayName = {}) { return whyCannotListen(displayName).isEmpty(); }
    // Why not, in words for the user; empty when it can.
    static UiMessage whyCannotListen(const std::string& displayName = {});

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kestrel::x11
