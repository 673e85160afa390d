#pragma once

#include "common/WeakSelf.h"
#include "platform/EventTapService.h"
#include "platform/PasswordFocusService.h"
#include "platform/Scheduler.h"

#include <chrono>
#include <deque>
#include <map>
#include <optional>

namespace kestrel {

// Keeps what is typed into password fields off the screen. It stands between the event
// source and the monitors' taps, and passes every event on unchanged and at once, except:
//
// - While a password field has the focus, a key-down that would show as a printable
//   character (no Control, Option or Command held, not a named key such as Return) is
//   dropped. Modifiers, shortcuts, named keys, releases and the mouse still pass.
// - Focus moves a moment after the input that moves it (a click; Tab, Return, Enter,
//   Escape; a shortcut), and a key typed at once would beat the news. So for `holdLimit`
//   after such an input a printable key-down is held, with every event behind it, until
//   the next focus report (and `settleTime` more, when it lets the key out) or the key's own
//   deadline (longer once the focus has left a control and not yet landed); then the
//   focused control decides. While the service is still finding out what a newly focused
//   control is, every printable key-down waits for the answer in the same way, and one
//   whose deadline comes first is dropped. A held key is shown late, never early, and never into a
//   password field.
//
// Text going into a control that is not a password field releases held keys early. Without
// an accessibility service nothing is held or dropped. Nothing dropped is kept anywhere.
class PasswordGuard final : public EventTapService {
public:
    static constexpr std::chrono::milliseconds holdLimit{300};
    // How long held keys wait after a focus report that lets them out, in case another
    // report follows at once.
    static constexpr std::chrono::milliseconds settleTime{25};
    // How long held keys wait when a window that comes back to the front names the password
    // field it was left in: the news of the control clicked follows, later when the desktop
    // is busy. Nothing typed into that password field is shown meanwhile.
    static constexpr std::chrono::milliseconds windowReturnTime{200};
    // How long held keys wait at most once the focus has left a control and is still to
    // land: a program that does not speak to the accessibility service never says.
    static constexpr std::chrono::milliseconds transitionLimit{1000};

    PasswordGuard(EventTapService& source, PasswordFocusService& focus, Scheduler& scheduler);
    ~PasswordGuard() override;

    PasswordGuard(const PasswordGuard&) = delete;
    PasswordGuard& operator=(const PasswordGuard&) = delete;

    std::optional<TapId> createTap(std::uint64_t mask, Callback callback) override;
    void enable(TapId tap, bool enabled) override;
    void remove(TapId tap) override;
    void deliverPending() override { m_source.deliverPending(); }

    // A key-down that would show as a character of text.
    static bool isPrintableKeyDown(std::uint32_t type, const PlatformEvent& event);
    // An input after which the keyboard focus may be somewhere else.
    static bool canMoveFocus(std::uint32_t type, const PlatformEvent& event);

    // `asking`: a control has the focus, and what it is has yet to be reported.
    enum class Focus { unknown, password, other, asking };
    Focus focus() const { return m_focus; }
    bool isHolding() const { return !m_held.empty(); }

private:
    struct Tap {
        std::uint64_t mask = 0;
        Callback callback;
        bool enabled = false;
    };
    struct Pending {
        std::uint32_t type;
        PlatformEvent event;
        std::optional<Scheduler::Handle> deadline; // only on held printable key-downs
        std::chrono::milliseconds heldAt{0};
    };

    void receive(std::uint32_t type, const PlatformEvent& event);
    void report(const FocusReport& report);
    bool isUncertain() const;
    // Whether an input that can move the focus came a moment ago.
    bool isJustAfterFocusMove() const;
    bool mayBePasswordField() const;
    // `final`: false when the report may be followed at once by the one that decides, even
    // into a password field.
    void settle(bool final = true, std::chrono::milliseconds wait = settleTime);
    void waitForLanding();
    void hold(std::uint32_t type, const PlatformEvent& event);
    Scheduler::Handle scheduleDeadline(std::chrono::milliseconds delay);
    // Passes on, in order, what is held up to and including the first held key whose
    // deadline has come (or everything), deciding each held key by the focus now.
    void release(bool everything);
    void pass(std::uint32_t type, const PlatformEvent& event);
    void updateSourceTap();

    EventTapService& m_source;
    PasswordFocusService& m_focusService;
    Scheduler& m_scheduler;
    std::map<TapId, Tap> m_taps;
    TapId m_lastTap = 0;
    std::optional<TapId> m_sourceTap;
    Focus m_focus = Focus::unknown;
    std::uint64_t m_focusedControl = 0;
    // Until when a printable key-down is held: from an input that can move focus to the
    // next focus report, at most `holdLimit`.
    std::optional<std::chrono::milliseconds> m_uncertainUntil;
    // The focus has left a control (or a window) and has not been reported anywhere since.
    bool m_left = true;
    std::deque<Pending> m_held;
    std::optional<Scheduler::Handle> m_settle;
    Observable<PasswordFocusService::Availability>::Subscription m_availability = 0;
    WeakSelf<PasswordGuard> m_self{this};
};

} // namespace kestrel
