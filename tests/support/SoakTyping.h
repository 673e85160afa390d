// What a long day types into Kestrel, the same on every window system: letters, a few
// shortcuts, a modifier held over several letters, clicks and scroll steps, in a mix that
// repeats from the same seed, while the colour and size go through every style.
#pragma once

#include "settings/PreferenceEnums.h"
#include "support/EventLoop.h"

#include <QByteArray>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kestrel::test {

// How many keys a soak types: KESTREL_SOAK_KEYS, or `usual` when it names fewer than 20,000.
inline std::size_t soakKeys(std::size_t usual)
{
    bool valid = false;
    const auto count = qgetenv("KESTREL_SOAK_KEYS").toULongLong(&valid);
    return valid && count >= 20000 ? count : usual;
}

class SoakTyping {
public:
    // Where the keys go, as the kernel numbers them (evdev codes); buttons 1 (left) and 3
    // (right); scroll steps up (+1) or down (-1).
    struct Input {
        std::function<void(std::uint32_t code, bool down)> key;
        std::function<void(int button, bool down)> button;
        std::function<void(int steps)> scroll;
        // Everything typed so far has been sent (XTest's round trip); may be empty.
        std::function<void()> flush;
        // The preferences' style members changed: to be written to the preferences file.
        std::function<void(const std::string& styleMembers)> setStyle;
    };

    explicit SoakTyping(Input input) : m_input(std::move(input)) {}

    // Every colour at every size.
    static std::vector<std::pair<KeyColor, OverlaySize>> allStyles()
    {
        std::vector<std::pair<KeyColor, OverlaySize>> styles;
        for (const OverlaySize size : {OverlaySize::medium, OverlaySize::small, OverlaySize::large}) {
            for (const KeyColor colour : allCases<KeyColor>())
                styles.emplace_back(colour, size);
        }
        return styles;
    }

    // Types `count` keys, about `rate` a second, going through every style `rounds` times;
    // the last `finalStretch` keys are the same each time, in the first style.
    void type(std::size_t count, std::size_t rounds, std::size_t rate)
    {
        const auto styles = allStyles();
        const std::size_t styleEvery = (count - finalStretch) / (rounds * styles.size());
        std::size_t style = 0;
        std::size_t nextStyle = 0;
        std::size_t nextFlush = 0;
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t typed = 0; typed < count;) {
            if (typed >= nextStyle) {
                const bool last = typed + finalStretch >= count;
                const auto& [colour, size] = last ? styles.front() : styles[++style % styles.size()];
                m_input.setStyle("\"keyColor\": \"" + std::string(rawValue(colour)) + "\", \"overlaySize\": \"" +
                                 std::string(rawValue(size)) + "\", \"showClicksAndScrolling\": true");
                if (last)
                    m_random.seed(finalSeed);
                nextStyle = last ? count : std::min(typed + styleEvery, count - finalStretch);
            }
            typed += typeSome();
            if (typed >= nextFlush) {
                if (m_input.flush)
                    m_input.flush();
                nextFlush = typed + 64;
                // Paced, so that Kestrel keeps up and the overlay animates as it does for people.
                // The test's own loop runs meanwhile, a millisecond at a time.
                const auto due = start + std::chrono::microseconds(typed * 1'000'000 / rate);
                while (std::chrono::steady_clock::now() < due)
                    runEventLoop(std::chrono::milliseconds(1));
            }
        }
        if (m_input.flush)
            m_input.flush();
    }

    static constexpr std::size_t finalStretch = 2000;

private:
    // evdev codes
    enum : std::uint32_t { leftControl = 29, leftShift = 42, c = 46, z = 44, tab = 15, space = 57, backspace = 14 };
    static constexpr std::array<std::uint32_t, 26> letters{16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 30, 31, 32,
                                                           33, 34, 35, 36, 37, 38, 44, 45, 46, 47, 48, 49, 50};

public:
    // The keycaps the mix can show: the letters; space, tab and backspace; Control and
    // Shift; two clicks and two scroll steps.
    static constexpr int distinctKeycaps = static_cast<int>(letters.size()) + 3 + 2 + 4;

private:
    static constexpr unsigned finalSeed = 11;

    void tap(std::uint32_t code)
    {
        m_input.key(code, true);
        m_input.key(code, false);
    }

    // One step of the mix: how many keys it typed.
    std::size_t typeSome()
    {
        const auto letter = [&] { return letters[m_random() % letters.size()]; };
        switch (m_random() % 20) {
        case 0: // a shortcut
            m_input.key(leftControl, true);
            tap(c);
            m_input.key(leftControl, false);
            return 2;
        case 1:
            m_input.key(leftControl, true);
            m_input.key(leftShift, true);
            tap(z);
            m_input.key(leftShift, false);
            m_input.key(leftControl, false);
            return 3;
        case 2: // Shift held over a few capitals
            m_input.key(leftShift, true);
            for (int held = 0; held < 4; ++held)
                tap(letter());
            m_input.key(leftShift, false);
            return 5;
        case 3: { // a click, then a scroll step either way
            const int button = m_random() % 2 ? 1 : 3;
            m_input.button(button, true);
            m_input.button(button, false);
            m_input.scroll(m_random() % 2 ? 1 : -1);
            return 2;
        }
        case 4:
            tap(m_random() % 2 ? space : (m_random() % 2 ? tab : backspace));
            return 1;
        default:
            tap(letter());
            return 1;
        }
    }

    Input m_input;
    std::minstd_rand m_random{7};
};

} // namespace kestrel::test
