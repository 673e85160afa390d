#pragma once

#include "overlay/KeyLabels.h"
#include "overlay/OverlayController.h"
#include "settings/Preferences.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"

#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kestrel::test {

// Drives an overlay controller with everything it can be told (keys, modifiers, caps lock,
// buttons, scrolls, time passing, hide, preference changes), one step at a time, choosing
// each step with `pick(n)`, a number below n. The property test picks with a seeded random
// generator, the fuzzer with its input bytes.
class OverlayEventScript {
public:
    OverlayEventScript(OverlayController& controller, ManualScheduler& scheduler, MemoryDefaultsStore& defaults)
        : m_controller(controller), m_scheduler(scheduler), m_defaults(defaults)
    {}

    template <typename Pick>
    void step(Pick pick)
    {
        // Bits 17 to 20 of the flag word are Shift, Control, Option and Command.
        const auto anyModifiers = [&] { return modifierSet(static_cast<std::uint64_t>(pick(16)) << 17); };
        const auto& [keyCode, symbol] = keys[static_cast<std::size_t>(pick(static_cast<int>(keys.size())))];
        switch (pick(12)) {
        case 0:
        case 1:
            m_controller.handle(KeyDown{KeyInfo{keyCode, symbol, std::nullopt, keyCode == 36 || keyCode == 49},
                                        anyModifiers(), pick(4) == 0});
            break;
        case 2:
        case 3:
            m_controller.handle(KeyUp{keyCode});
            break;
        case 4:
            m_controller.handle(ModifiersChanged{anyModifiers()});
            break;
        case 5:
            m_controller.handle(CapsLockToggled{pick(2) == 0});
            break;
        case 6:
            m_controller.handle(ButtonDown{static_cast<MouseButton>(pick(3)), anyModifiers()});
            break;
        case 7:
            m_controller.handle(ButtonUp{static_cast<MouseButton>(pick(3))});
            break;
        case 8:
            m_controller.handle(Scroll{static_cast<ScrollDirection>(pick(4)), anyModifiers()});
            break;
        case 9:
            m_scheduler.advance(std::chrono::milliseconds(pick(2500)));
            break;
        case 10:
            if (pick(10) == 0)
                m_controller.hide();
            break;
        default:
            m_defaults.set(PreferenceKey::displayMode, pick(2) == 0 ? "shortcutsOnly" : "allKeys");
            m_defaults.set(PreferenceKey::showShiftWithCapitals, pick(2) == 0);
            m_defaults.set(PreferenceKey::displayDuration, pick(5) * 0.5);
            break;
        }
    }

    // What must hold after every step; the first broken rule, or nothing.
    std::optional<std::string> brokenInvariant() const
    {
        const InputDisplayState& state = m_controller.state();
        std::set<std::string> ids;
        int modifierCaps = 0;
        for (const Keycap& keycap : state.keycaps) {
            if (!ids.insert(keycap.id).second)
                return "duplicate id " + keycap.id;
            modifierCaps += keycap.modifier ? 1 : 0;
        }
        if (modifierCaps > 4)
            return "more than four modifier caps";
        if (m_controller.model().keycaps.get() !=
            KeyLabels::styled(state.keycaps, Preferences::keyLabelStyle(m_defaults)))
            return "the model does not mirror the state";
        if (m_controller.isHideScheduled() != (!state.isHoldingAnything() && !state.keycaps.empty()))
            return "the hide timer is armed while something is held, or idle while nothing is";
        return std::nullopt;
    }

    // Lets go of every key, modifier and button and waits out the longest display duration:
    // then nothing may be held or shown.
    std::optional<std::string> releaseEverythingAndWait()
    {
        for (const auto& [keyCode, symbol] : keys)
            m_controller.handle(KeyUp{keyCode});
        m_controller.handle(ModifiersChanged{{}});
        for (MouseButton button : {MouseButton::left, MouseButton::middle, MouseButton::right})
            m_controller.handle(ButtonUp{button});
        if (m_controller.state().isHoldingAnything())
            return "something is still held after every release";
        m_scheduler.advance(std::chrono::seconds(3));
        if (!m_controller.state().keycaps.empty() || !m_controller.model().keycaps.get().empty())
            return "keycaps are still shown after the display duration";
        return brokenInvariant();
    }

private:
    const std::vector<std::pair<std::int64_t, const char*>> keys{{0, "a"}, {8, "c"}, {36, "↩"}, {49, ""}, {18, "1"}};
    OverlayController& m_controller;
    ManualScheduler& m_scheduler;
    MemoryDefaultsStore& m_defaults;
};

} // namespace kestrel::test
