#pragma once

#include "common/Observable.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace kestrel {

// What the desktop's accessibility service says about the focused control. It never carries
// what was typed.
struct FocusReport {
    enum class Kind {
        focused,      // a control gained the keyboard focus
        unfocused,    // the focused control lost it, or its window was deactivated
        textInserted, // text went into the control that has the focus
        moving        // another control gained it; what kind it is follows in a report of its own
    };
    Kind kind = Kind::focused;
    bool isPasswordField = false; // of the control concerned (focused, textInserted)
    // Tells controls apart: the same control reported twice has the same number. Toolkits
    // repeat a focus report, and a repeat may arrive after the next click.
    std::uint64_t control = 0;
};

// Tells Kestrel when a password field has the keyboard focus in any application that speaks
// to the desktop's accessibility service. Reports arrive on the main thread, in order.
class PasswordFocusService {
public:
    virtual ~PasswordFocusService() = default;
    virtual void setHandler(std::function<void(const FocusReport&)> handler) = 0;

    // Whether focus changes are reported now. Without an accessibility service password
    // fields cannot be told apart; it may come (and go) later.
    enum class Availability { looking, unavailable, available };
    Observable<Availability> availability{Availability::looking};
    bool isAvailable() const { return availability.get() == Availability::available; }

    // The desktop-wide accessibility switch, which Qt applications and Chromium look at when
    // they start: only then do they report their controls. Nothing while it is not known.
    // Setting it changes the whole desktop, for good: only at the user's explicit wish.
    Observable<std::optional<bool>> accessibilityEnabled;
    virtual void readAccessibilityEnabled() = 0; // updates the value, maybe later
    virtual void setAccessibilityEnabled(bool enabled) = 0;
};

} // namespace kestrel
