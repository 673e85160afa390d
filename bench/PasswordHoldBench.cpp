// What keeping password fields off the screen costs the keys that are shown: a key typed
// into a GTK 3 window's normal field at once after the click that focused it waits for the
// accessibility bus's focus report before the keystroke monitor hears it. Measured from the
// XTest key press on a private Xvfb to the KeyEvent at the monitor, through the X11 event
// source, the password guard and the accessibility module, against the same key typed with no
// click before it (which waits for nothing).

#include "input/KeystrokeMonitor.h"
#include "input/PasswordGuard.h"
#include "platform/qt/AtspiPasswordFocus.h"
#include "platform/qt/QtScheduler.h"
#include "platform/x11/X11EventTapService.h"
#include "support/a11y/AccessibilityBus.h"
#include "support/x11/XTestDriver.h"
#include "support/x11/XvfbServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include "BenchStatistics.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <vector>

namespace kestrel {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint32_t keyX = 45; // evdev

// Runs the main loop until `done` or `milliseconds` pass.
bool runUntil(const std::function<bool()>& done, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

void keyAloneAndAfterClick(benchmark::State& state)
{
    test::XvfbServer server;
    if (!server.isRunning()) {
        state.SkipWithError(server.error().c_str());
        return;
    }
    QTemporaryDir runtime;
    test::AccessibilityBus bus(server.display(), runtime.path());
    if (!bus.isRunning()) {
        state.SkipWithError(bus.error().c_str());
        return;
    }
    test::PasswordFieldsApp app(test::PasswordFieldsApp::Toolkit::gtk3, server.display(), bus.sessionBusAddress());
    if (!app.isReady()) {
        state.SkipWithError(app.said().c_str());
        return;
    }
    // Kestrel's own parts, in this process, on the same session bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.sessionBusAddress().toUtf8());
    qputenv("DISPLAY", QByteArray::fromStdString(server.display()));
    QtScheduler scheduler;
    x11::X11EventTapService taps{server.display()};
    AtspiPasswordFocus focus;
    PasswordGuard guard(taps, focus, scheduler);
    KeystrokeMonitor monitor{guard};
    Clock::time_point heardAt;
    bool heard = false;
    monitor.onKeyEvent = [&](const KeyEvent& event) {
        if (std::holds_alternative<KeyDown>(event)) {
            heardAt = Clock::now();
            heard = true;
        }
    };
    monitor.start();
    if (!runUntil([&] { return focus.isAvailable(); }, 5000)) {
        state.SkipWithError(("no accessibility: " + focus.problem()).c_str());
        return;
    }

    test::XTestDriver input(server.display());
    // Turn about: the key alone, then the key at once after a click. (One set-up for both:
    // Qt keeps its first session bus for the whole process.)
    std::vector<double> alone;
    std::vector<double> afterClick;
    bool clickFirst = false;
    for (auto _ : state) {
        clickFirst = !clickFirst;
        app.clear();
        // The click moves the focus from the password field; without it the key goes into the
        // normal field, which has the focus already.
        app.focus(clickFirst ? "password" : "normal");
        runUntil([] { return false; }, 60); // the focus report arrives
        heard = false;
        const auto start = Clock::now();
        if (clickFirst) {
            input.moveTo(app.normalX, app.normalY);
            input.buttonAsync(1, true);
            input.buttonAsync(1, false);
        }
        input.keyAsync(keyX, true);
        input.keyAsync(keyX, false);
        input.sync();
        if (!runUntil([&] { return heard; }, 2000)) {
            state.SkipWithError("the key was never heard");
            return;
        }
        const std::chrono::duration<double> elapsed = heardAt - start;
        state.SetIterationTime(elapsed.count());
        (clickFirst ? afterClick : alone).push_back(elapsed.count() * 1e3);
    }

    for (const auto& [name, waits] : {std::pair{"alone", &alone}, std::pair{"after_click", &afterClick}}) {
        state.counters[std::string(name) + "_median_ms"] = bench::percentile(*waits, 0.5);
        state.counters[std::string(name) + "_p90_ms"] = bench::percentile(*waits, 0.9);
        state.counters[std::string(name) + "_max_ms"] = bench::percentile(*waits, 1);
    }
}
BENCHMARK(keyAloneAndAfterClick)->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrel
