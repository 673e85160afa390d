// What keeping password fields off the screen costs the keys that are shown: a key typed into
// a normal field (GTK 3, Qt, a page in Chromium) at once after the click that focused it waits
// for the accessibility bus's focus report before the keystroke monitor hears it. Measured from the
// XTest key press on a private Xvfb to the KeyEvent at the monitor, through the X11 event
// source, the password guard and the accessibility module, against the same key typed with no
// click before it (which waits for nothing).

#include "input/KeystrokeMonitor.h"
#include "input/PasswordGuard.h"
#include "platform/atspi/AtspiPasswordFocus.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/SessionBus.h"
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
#include <memory>
#include <string>
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

// Kestrel's side, set up once for every application measured: Qt keeps its first session bus
// for the whole process.
struct Desktop {
    test::XvfbServer server;
    QTemporaryDir runtime;
    std::unique_ptr<test::AccessibilityBus> bus;
    std::unique_ptr<QtScheduler> scheduler;
    std::unique_ptr<x11::X11EventTapService> taps;
    std::unique_ptr<SessionBus> sessionBus;
    std::unique_ptr<AtspiPasswordFocus> focus;
    std::unique_ptr<PasswordGuard> guard;
    std::unique_ptr<KeystrokeMonitor> monitor;
    std::unique_ptr<test::XTestDriver> input;
    std::string error;
    Clock::time_point heardAt;
    bool heard = false;

    Desktop()
    {
        if (!server.isRunning()) {
            error = server.error();
            return;
        }
        bus = std::make_unique<test::AccessibilityBus>(server.display(), runtime.path());
        // Chromium shows its pages to the bus only with the desktop's switch on.
        if (!bus->isRunning() || !bus->setEnabled(true)) {
            error = bus->isRunning() ? "the accessibility switch cannot be set" : bus->error();
            return;
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus->sessionBusAddress().toUtf8());
        qputenv("DISPLAY", QByteArray::fromStdString(server.display()));
        scheduler = std::make_unique<QtScheduler>();
        taps = std::make_unique<x11::X11EventTapService>(server.display());
        sessionBus = SessionBus::forThisSession();
        focus = std::make_unique<AtspiPasswordFocus>(sessionBus.get());
        guard = std::make_unique<PasswordGuard>(*taps, *focus, *scheduler);
        monitor = std::make_unique<KeystrokeMonitor>(*guard);
        monitor->onKeyEvent = [this](const KeyEvent& event) {
            if (std::holds_alternative<KeyDown>(event)) {
                heardAt = Clock::now();
                heard = true;
            }
        };
        monitor->start();
        if (!runUntil([this] { return focus->isAvailable(); }, 5000)) {
            error = "no accessibility: " + focus->problem();
            return;
        }
        input = std::make_unique<test::XTestDriver>(server.display());
    }

    // Made on first use, and ended with the application (not after it: its parts need Qt).
    static Desktop& shared()
    {
        static std::unique_ptr<Desktop> desktop;
        if (!desktop) {
            desktop = std::make_unique<Desktop>();
            qAddPostRoutine([] { desktop.reset(); });
        }
        return *desktop;
    }
};

void keyAloneAndAfterClick(benchmark::State& state, test::PasswordFieldsApp::Toolkit toolkit)
{
    Desktop& desktop = Desktop::shared();
    if (!desktop.error.empty()) {
        state.SkipWithError(desktop.error.c_str());
        return;
    }
    test::PasswordFieldsApp app(toolkit, desktop.server.display(), desktop.bus->sessionBusAddress());
    if (!app.isReady()) {
        state.SkipWithError(app.said().c_str());
        return;
    }
    runUntil([] { return false; }, 300); // the window's first reports arrive

    // Turn about: the key alone, then the key at once after a click.
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
        desktop.heard = false;
        const auto start = Clock::now();
        if (clickFirst) {
            desktop.input->moveTo(app.normalX, app.normalY);
            desktop.input->buttonAsync(1, true);
            desktop.input->buttonAsync(1, false);
        }
        desktop.input->keyAsync(keyX, true);
        desktop.input->keyAsync(keyX, false);
        desktop.input->sync();
        if (!runUntil([&] { return desktop.heard; }, 2000)) {
            state.SkipWithError("the key was never heard");
            return;
        }
        const std::chrono::duration<double> elapsed = desktop.heardAt - start;
        state.SetIterationTime(elapsed.count());
        (clickFirst ? afterClick : alone).push_back(elapsed.count() * 1e3);
    }

    for (const auto& [name, waits] : {std::pair{"alone", &alone}, std::pair{"after_click", &afterClick}}) {
        state.counters[std::string(name) + "_median_ms"] = bench::percentile(*waits, 0.5);
        state.counters[std::string(name) + "_p90_ms"] = bench::percentile(*waits, 0.9);
        state.counters[std::string(name) + "_max_ms"] = bench::percentile(*waits, 1);
    }
}
BENCHMARK_CAPTURE(keyAloneAndAfterClick, gtk3, test::PasswordFieldsApp::Toolkit::gtk3)
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(keyAloneAndAfterClick, qt, test::PasswordFieldsApp::Toolkit::qt)
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(keyAloneAndAfterClick, chromium, test::PasswordFieldsApp::Toolkit::chromium)
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrel
