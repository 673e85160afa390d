// Kestrel through a long day: many thousands of keys, shortcuts, held keys, clicks and scroll
// steps typed through XTest while the colour and size change along the way, judged by what
// Kestrel's process and the X server hold for it before and after. KESTREL_SOAK_KEYS sets
// how many keys (50,000 unless told); `make soak` types a million.

#include "integration/KestrelAppFixture.h"
#include "settings/PreferenceEnums.h"
#include "support/ProcessFigures.h"
#include "support/x11/XResources.h"

#include <chrono>
#include <iostream>
#include <random>

namespace kestrel::test {
namespace {

// The keys typed: letters, a few shortcuts, a modifier held over several letters, clicks and
// scroll steps, in a mix that repeats from the same seed.
enum SoakEvdev : std::uint32_t { leftShift = 42, z = 44, tab = 15, space = 57, backspace = 14 };
constexpr std::array<std::uint32_t, 26> letters{16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 30, 31, 32,
                                                33, 34, 35, 36, 37, 38, 44, 45, 46, 47, 48, 49, 50};

std::size_t keysToType()
{
    const QByteArray asked = qgetenv("KESTREL_SOAK_KEYS");
    bool valid = false;
    const auto count = asked.toULongLong(&valid);
    return valid && count >= 20000 ? count : 50000;
}

class KestrelSoakTest : public KestrelAppTest {
protected:
    // Types `count` keys, about `rate` a second, going through every style `rounds` times;
    // the last `finalStretch` keys are in the first style, dark at the medium size.
    void type(std::size_t count, std::size_t rounds, std::size_t rate)
    {
        const auto styles = allStyles();
        const std::size_t styleEvery = (count - finalStretch) / (rounds * styles.size());
        std::size_t style = 0;
        std::size_t nextStyle = 0;
        std::size_t nextSync = 0;
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t typed = 0; typed < count;) {
            if (typed >= nextStyle) {
                const bool last = typed + finalStretch >= count;
                const auto& [colour, size] = last ? styles.front() : styles[++style % styles.size()];
                setStyle(colour, size);
                if (last)
                    random.seed(finalSeed); // the same keys each time
                nextStyle = last ? count : std::min(typed + styleEvery, count - finalStretch);
            }
            typed += typeSome();
            if (typed >= nextSync) {
                input.sync();
                nextSync = typed + 64;
                // Paced, so that Kestrel keeps up and the overlay animates as it does for people.
                const auto due = start + std::chrono::microseconds(typed * 1'000'000 / rate);
                while (std::chrono::steady_clock::now() < due)
                    runEventLoop(1ms);
            }
        }
        input.sync();
    }

    // One step of the mix: how many keys it typed.
    std::size_t typeSome()
    {
        const auto letter = [&] { return letters[random() % letters.size()]; };
        switch (random() % 20) {
        case 0: // a shortcut
            input.keyAsync(leftControl, true);
            input.keyAsync(c, true);
            input.keyAsync(c, false);
            input.keyAsync(leftControl, false);
            return 2;
        case 1:
            input.keyAsync(leftControl, true);
            input.keyAsync(leftShift, true);
            input.keyAsync(z, true);
            input.keyAsync(z, false);
            input.keyAsync(leftShift, false);
            input.keyAsync(leftControl, false);
            return 3;
        case 2: { // Shift held over a few capitals
            input.keyAsync(leftShift, true);
            for (int held = 0; held < 4; ++held) {
                const auto key = letter();
                input.keyAsync(key, true);
                input.keyAsync(key, false);
            }
            input.keyAsync(leftShift, false);
            return 5;
        }
        case 3: // a click, then a scroll step either way
            input.buttonAsync(random() % 2 ? 1 : 3, true);
            input.buttonAsync(1, false);
            input.buttonAsync(3, false);
            input.buttonAsync(random() % 2 ? 4 : 5, true);
            input.buttonAsync(4, false);
            input.buttonAsync(5, false);
            return 2;
        case 4: {
            const std::uint32_t key = random() % 2 ? space : (random() % 2 ? tab : backspace);
            input.keyAsync(key, true);
            input.keyAsync(key, false);
            return 1;
        }
        default: {
            const auto key = letter();
            input.keyAsync(key, true);
            input.keyAsync(key, false);
            return 1;
        }
        }
    }

    static std::vector<std::pair<KeyColor, OverlaySize>> allStyles()
    {
        std::vector<std::pair<KeyColor, OverlaySize>> styles;
        for (const OverlaySize size : {OverlaySize::medium, OverlaySize::small, OverlaySize::large}) {
            for (const KeyColor colour : allCases<KeyColor>())
                styles.emplace_back(colour, size);
        }
        return styles;
    }

    void setStyle(KeyColor colour, OverlaySize size)
    {
        writePreferences("{\"keyColor\": \"" + std::string(rawValue(colour)) + "\", \"overlaySize\": \"" +
                         std::string(rawValue(size)) + "\", \"showClicksAndScrolling\": true}");
    }

    // What Kestrel holds once the screen is clear again after typing.
    ProcessFigures settledFigures()
    {
        EXPECT_TRUE(runEventLoopUntil([&] { return screenshot().changed.isNull(); }, 30s))
            << "the keycaps stay on screen";
        ProcessFigures figures = ProcessFigures::of(kestrel.processId());
        figures.server = serverResourcesOfProcess(connection, static_cast<pid_t>(kestrel.processId()));
        return figures;
    }

    const std::size_t finalStretch = 2000;
    static constexpr std::uint32_t finalSeed = 11;
    std::minstd_rand random{7};
};

TEST_F(KestrelSoakTest, AnyAmountOfTypingLeavesNothingBehind)
{
    const std::size_t total = keysToType();
    const std::size_t warmUp = 10000;
    ASSERT_NO_FATAL_FAILURE(start());
    const ProcessFigures started = settledFigures();
    const std::string saidAtStart = errors;

    // The first ten thousand keys go through every style slowly enough that each style's
    // keycaps are drawn many times over: every cache has filled.
    type(warmUp, 1, 250);
    const ProcessFigures before = settledFigures();
    const long cpuBefore = cpuTicks();
    const auto clockBefore = std::chrono::steady_clock::now();

    // The rest go through every style twice, ending where the warm-up did, at a thousand
    // keys a second: a fast typist's pace a hundred times over.
    type(total - warmUp, 2, 1000);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - clockBefore).count();
    const double cpuMs =
        static_cast<double>(cpuTicks() - cpuBefore) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    const ProcessFigures after = settledFigures();

    // Once everything stops, so does Kestrel: no timer left that wakes it.
    const long switches = ProcessFigures::contextSwitches(kestrel.processId());
    runEventLoop(2s);
    const long idleWakeups = ProcessFigures::contextSwitches(kestrel.processId()) - switches;

    // The settings window built too, as after a day's use.
    EXPECT_EQ(launchAgain({"--settings"}), 0);
    const auto settings = awaitTopLevel("General");
    EXPECT_TRUE(settings) << "no settings window";
    stillPixels();
    const long withSettingsKiB = ProcessFigures::of(kestrel.processId()).residentKiB;
    // Closed again: what its pictures held goes back.
    if (settings)
        closeWindow(*settings);
    EXPECT_FALSE(awaitTopLevel("General", false)) << "the settings window stays";
    const auto residentKiB = [this] { return ProcessFigures::of(kestrel.processId()).residentKiB; };
    runEventLoopUntil([&] { return residentKiB() < withSettingsKiB - 1024; }, 2s);
    const long closedKiB = residentKiB();

    std::cout << "Kestrel soak, " << total << " keys in " << seconds << " s after a warm-up of " << warmUp << "; CPU "
              << cpuMs * 1000.0 / static_cast<double>(total - warmUp) << " ms per 1,000 keys\n"
              << "  at start:   " << started.describe() << '\n'
              << "  after " << warmUp << ": " << before.describe() << '\n'
              << "  at the end: " << after.describe() << '\n'
              << "  idle for 2 s: " << idleWakeups << " wakeups\n"
              << "  with the settings window: " << static_cast<double>(withSettingsKiB) / 1024.0
              << " MiB resident, closed again: " << static_cast<double>(closedKiB) / 1024.0 << " MiB\n";

    EXPECT_LE(after.residentKiB - before.residentKiB, 1024) << "memory grows with typing";
    // The settings window's pixels alone are over 2 MiB: they go when it closes.
    EXPECT_LE(closedKiB, withSettingsKiB - 2048) << "a closed settings window keeps its memory";
    EXPECT_EQ(after.descriptors, before.descriptors);
    EXPECT_EQ(after.threads, before.threads);
    // The server holds what it held before, but for the keycap pictures it keeps: no more
    // than a cap and a blurred one of each face the last stretch showed, and the bases.
    const auto withoutPictures = [](ServerResources resources) {
        resources.erase("PICTURE");
        return resources;
    };
    EXPECT_EQ(withoutPictures(after.server), withoutPictures(before.server)) << "the X server holds more for Kestrel";
    const int faces = static_cast<int>(letters.size()) + 3 + 2 + 4; // space, tab, backspace; modifiers; mouse
    const int shapes = 4;
    EXPECT_LE(after.server.at("PICTURE"), started.server.at("PICTURE") + 2 * faces + shapes)
        << "the X server holds pictures of styles no longer in use";
#ifdef NDEBUG
    EXPECT_LE(after.residentKiB, 40 * 1024) << "past the memory budget"; // of an optimised build
#endif
    EXPECT_EQ(idleWakeups, 0);
    EXPECT_EQ(errors, saidAtStart) << "Kestrel complained while typing";
}

} // namespace
} // namespace kestrel::test
