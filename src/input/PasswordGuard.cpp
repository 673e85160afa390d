#include "input/PasswordGuard.h"

#include "input/EventRecords.h"
#include "input/EventTap.h"
#include "input/KeystrokeFormatter.h"

namespace kestrel {

namespace {

constexpr std::uint64_t shortcutFlags = EventFlag::control | EventFlag::option | EventFlag::command;

bool isMouseDown(std::uint32_t type)
{
    return type == EventType::leftMouseDown || type == EventType::rightMouseDown || type == EventType::otherMouseDown;
}

} // namespace

PasswordGuard::PasswordGuard(EventTapService& source, PasswordFocusService& focus, Scheduler& scheduler)
    : m_source(source), m_focusService(focus), m_scheduler(scheduler)
{
    m_focusService.setHandler(m_self.bind([](PasswordGuard& self, const FocusReport& report) { self.report(report); }));
    m_availability =
        m_focusService.availability.subscribe(m_self.bind([](PasswordGuard& self, PasswordFocusService::Availability) {
            if (!self.m_focusService.isAvailable()) {
                // Nobody can say where the focus is: behave as without the service.
                self.m_focus = Focus::unknown;
                self.m_left = true;
                self.m_uncertainUntil.reset();
                self.release(true);
            }
        }));
}

PasswordGuard::~PasswordGuard()
{
    m_focusService.setHandler({});
    if (m_settle)
        m_scheduler.cancel(*m_settle);
    m_focusService.availability.unsubscribe(m_availability);
    for (const Pending& pending : m_held) {
        if (pending.deadline)
            m_scheduler.cancel(*pending.deadline);
    }
    if (m_sourceTap)
        m_source.remove(*m_sourceTap);
}

bool PasswordGuard::isPrintableKeyDown(std::uint32_t type, const PlatformEvent& event)
{
    if (type != EventType::keyDown || (event.flags & shortcutFlags) != 0)
        return false;
    // Named keys (arrows, Return, Backspace…) show their names, which say nothing of a
    // password; the space bar is part of one.
    return event.keyCode == KeyCode::space || !KeystrokeFormatter::specialKeys().contains(event.keyCode);
}

bool PasswordGuard::canMoveFocus(std::uint32_t type, const PlatformEvent& event)
{
    if (isMouseDown(type))
        return true;
    if (type != EventType::keyDown)
        return false;
    switch (event.keyCode) {
    case KeyCode::tab:
    case KeyCode::returnKey:
    case KeyCode::keypadEnter:
    case KeyCode::escape:
        return true;
    default:
        return (event.flags & shortcutFlags) != 0; // window switchers, dialogs' shortcuts
    }
}

std::optional<EventTapService::TapId> PasswordGuard::createTap(std::uint64_t mask, Callback callback)
{
    // One tap on the source sees everything, clicks included even when no monitor shows
    // them: a click is what most often moves the focus.
    if (!m_sourceTap) {
        m_sourceTap = m_source.createTap(
            EventTap::maskFor({EventType::leftMouseDown, EventType::leftMouseUp, EventType::rightMouseDown,
                               EventType::rightMouseUp, EventType::keyDown, EventType::keyUp, EventType::flagsChanged,
                               EventType::scrollWheel, EventType::otherMouseDown, EventType::otherMouseUp}),
            m_self.bind([](PasswordGuard& self, std::uint32_t type, const PlatformEvent& event) {
                self.receive(type, event);
            }));
        if (!m_sourceTap)
            return std::nullopt;
    }
    const TapId id = ++m_lastTap;
    m_taps[id] = Tap{mask, std::move(callback), false};
    return id;
}

void PasswordGuard::enable(TapId tap, bool enabled)
{
    if (const auto found = m_taps.find(tap); found != m_taps.end()) {
        found->second.enabled = enabled;
        updateSourceTap();
    }
}

void PasswordGuard::remove(TapId tap)
{
    m_taps.erase(tap);
    if (m_taps.empty() && m_sourceTap) {
        m_source.remove(*std::exchange(m_sourceTap, std::nullopt));
        m_uncertainUntil.reset();
        release(true);
    } else {
        updateSourceTap();
    }
}

void PasswordGuard::updateSourceTap()
{
    if (!m_sourceTap)
        return;
    bool any = false;
    for (const auto& [id, tap] : m_taps)
        any = any || tap.enabled;
    m_source.enable(*m_sourceTap, any);
}

void PasswordGuard::receive(std::uint32_t type, const PlatformEvent& event)
{
    if (type == EventType::tapDisabledByTimeout || type == EventType::tapDisabledByUserInput) {
        pass(type, event);
        return;
    }
    const bool guarding = m_focusService.isAvailable();
    const auto now = m_scheduler.now();
    if (guarding && isPrintableKeyDown(type, event)) {
        // Right after an input that can move the focus, the focus reported may be the old
        // one, a password field or not: the report to come decides.
        if (!m_held.empty() || isUncertain()) {
            hold(type, event);
            return;
        }
        if (m_focus == Focus::password)
            return; // typed into a password field: never shown
    } else if (!m_held.empty()) {
        m_held.push_back(Pending{type, event, std::nullopt, now}); // stays behind what is held
        return;
    }
    pass(type, event);
    if (guarding && canMoveFocus(type, event))
        m_uncertainUntil = now + holdLimit;
}

bool PasswordGuard::isUncertain() const
{
    return m_focus == Focus::asking || isJustAfterFocusMove();
}

bool PasswordGuard::isJustAfterFocusMove() const
{
    return m_uncertainUntil && m_scheduler.now() < *m_uncertainUntil;
}

bool PasswordGuard::mayBePasswordField() const
{
    return m_focus == Focus::password || m_focus == Focus::asking;
}

void PasswordGuard::hold(std::uint32_t type, const PlatformEvent& event)
{
    // While the new control is being asked about, for as long as the focus may take to land.
    const auto wait = m_focus == Focus::asking ? transitionLimit : holdLimit;
    m_held.push_back(Pending{type, event, scheduleDeadline(wait), m_scheduler.now()});
}

Scheduler::Handle PasswordGuard::scheduleDeadline(std::chrono::milliseconds delay)
{
    return m_scheduler.schedule(delay, m_self.bind([](PasswordGuard& self) { self.release(false); }));
}

void PasswordGuard::report(const FocusReport& report)
{
    // Input typed before the news comes first: a key that went into a password field must
    // not meet the report that the focus has left it.
    m_source.deliverPending();
    switch (report.kind) {
    case FocusReport::Kind::focused: {
        // A repeat of the focus as it was before the click says nothing of where the click
        // sent it: the news is still to come.
        if (isUncertain() && report.control != 0 && report.control == m_focusedControl)
            break;
        // A window that a click brings to the front first names the control that had its
        // focus when it was left, a password field maybe, and the clicked control a moment
        // later (GTK and Qt under a window manager): right after the click, a password field
        // named just after the focus left a window or control may not be the last word.
        const bool mayMoveOn = report.isPasswordField && m_left && isJustAfterFocusMove();
        m_focus = report.isPasswordField ? Focus::password : Focus::other;
        m_focusedControl = report.control;
        m_left = false;
        if (mayMoveOn) {
            m_uncertainUntil = m_scheduler.now() + windowReturnTime; // keys typed meanwhile wait too
            settle(false, windowReturnTime);
        } else {
            m_uncertainUntil.reset(); // the focus has gone where it was going
            settle();
        }
        break;
    }
    case FocusReport::Kind::unfocused:
        // Somewhere Kestrel cannot see (another window, a program without accessibility)
        // until the next focus report says where.
        m_focus = Focus::unknown;
        m_focusedControl = 0;
        m_left = true;
        waitForLanding();
        break;
    case FocusReport::Kind::moving:
        // Another control has the focus and what it is comes next: every printable key waits
        // for that. A busy application may take long to say, and may not say in time: a key
        // still waiting then is not shown, as it may have gone into a password field.
        m_focus = Focus::asking;
        m_focusedControl = 0;
        waitForLanding();
        break;
    case FocusReport::Kind::textInserted:
        // Text reached the focused control: the focus did not move, or has arrived.
        m_focus = report.isPasswordField ? Focus::password : Focus::other;
        m_left = false;
        m_uncertainUntil.reset();
        settle();
        break;
    }
}

void PasswordGuard::waitForLanding()
{
    // The focus is on its way and the report of where it lands is late (a busy application
    // or bus): held keys wait longer for it.
    for (Pending& pending : m_held) {
        if (!pending.deadline)
            continue;
        m_scheduler.cancel(*pending.deadline);
        pending.deadline = scheduleDeadline(pending.heldAt + transitionLimit - m_scheduler.now());
    }
}

void PasswordGuard::settle(bool final, std::chrono::milliseconds wait)
{
    if (m_settle)
        m_scheduler.cancel(*std::exchange(m_settle, std::nullopt));
    // Into a password field: nothing held is shown, so there is nothing to wait for.
    if (m_focus == Focus::password && final) {
        release(true);
        return;
    }
    // Reports come late when the applications or the bus are busy, and then in a burst: a
    // report of an earlier move may come just before the one of the click. The last of a
    // burst decides.
    if (!m_held.empty() || !final)
        m_settle = m_scheduler.schedule(wait, m_self.bind([](PasswordGuard& self) {
            self.m_settle.reset();
            self.release(true);
        }));
}

void PasswordGuard::release(bool everything)
{
    if (everything && m_settle)
        m_scheduler.cancel(*std::exchange(m_settle, std::nullopt));
    bool releasedOne = false;
    while (!m_held.empty()) {
        Pending& first = m_held.front();
        if (first.deadline) {
            if (!everything && releasedOne)
                break; // the next held key waits for its own deadline
            m_scheduler.cancel(*first.deadline);
            releasedOne = true;
        }
        const Pending pending = std::move(first);
        m_held.pop_front();
        if (pending.deadline && mayBePasswordField())
            continue; // it went into a password field, or may have
        pass(pending.type, pending.event);
    }
}

void PasswordGuard::pass(std::uint32_t type, const PlatformEvent& event)
{
    // A callback may remove taps (its own or another's): it runs from a copy, and the next
    // tap is looked up by id after each call, with no list built for every key.
    for (auto tap = m_taps.begin(); tap != m_taps.end();) {
        const TapId id = tap->first;
        const bool selected = type >= 64 || (tap->second.mask & (std::uint64_t{1} << type)) != 0;
        if (tap->second.enabled && selected) {
            const Callback callback = tap->second.callback;
            callback(type, event);
        }
        tap = m_taps.upper_bound(id);
    }
}

} // namespace kestrel
