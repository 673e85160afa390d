// How long Kestrel takes to hear a key: from an XTest key press sent to a private Xvfb to
// the KeyEvent delivered to the keystroke monitor's callback, through the X11 event source
// (raw event, keymap lookup, grab check, flag word) and the monitor (key label).

#include "input/KeystrokeMonitor.h"
#include "platform/x11/X11EventTapService.h"
#include "support/x11/XvfbServer.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "BenchStatistics.h"

#include <benchmark/benchmark.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdlib>
#include <vector>

namespace kestrel {
namespace {

using Clock = std::chrono::steady_clock;

void keyPressToKeyEvent(benchmark::State& state)
{
    test::XvfbServer server;
    if (!server.isRunning()) {
        state.SkipWithError(server.error().c_str());
        return;
    }
    x11::X11EventTapService taps{server.display()};
    KeystrokeMonitor monitor{taps};
    // The time is taken in the callback itself: that is when the overlay would start to draw.
    QEventLoop loop;
    Clock::time_point deliveredAt;
    monitor.onKeyEvent = [&](const KeyEvent& event) {
        if (!std::holds_alternative<KeyDown>(event))
            return;
        deliveredAt = Clock::now();
        loop.quit();
    };
    monitor.start();

    xcb_connection_t* input = xcb_connect(server.display().c_str(), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(input)).data->root;
    constexpr std::uint8_t keycodeOfA = 38;
    // The request after the fake input makes the server process the input it queued,
    // as a real device's interrupt would, instead of whenever it next wakes up.
    const auto send = [&](std::uint8_t type) {
        xcb_test_fake_input(input, type, keycodeOfA, XCB_CURRENT_TIME, root, 0, 0, 0);
        xcb_discard_reply(input, xcb_get_input_focus(input).sequence);
        xcb_flush(input);
    };

    std::vector<double> latencies;
    for (auto _ : state) {
        const auto start = Clock::now();
        send(XCB_KEY_PRESS);
        loop.exec();
        const std::chrono::duration<double> elapsed = deliveredAt - start;
        state.SetIterationTime(elapsed.count());
        latencies.push_back(elapsed.count() * 1e6);
        send(XCB_KEY_RELEASE);
        std::free(xcb_get_input_focus_reply(input, xcb_get_input_focus(input), nullptr));
        QCoreApplication::processEvents();
    }
    xcb_disconnect(input);

    state.counters["median_us"] = bench::percentile(latencies, 0.5);
    state.counters["p99_us"] = bench::percentile(latencies, 0.99);
}
BENCHMARK(keyPressToKeyEvent)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kestrel
