// How much a keystroke costs Kestrel's core: platform events go through the keystroke
// monitor, the overlay controller (display state, preferences, placement, timers) and into
// the overlay model, with in-memory doubles standing in for the system.

#include "input/KeystrokeMonitor.h"
#include "overlay/OverlayController.h"
#include "support/FakeEventTapService.h"
#include "support/FakeOverlay.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace kestrel {
namespace {

struct Pipeline {
    Pipeline()
    {
        const Screen screen{"MAIN", {{0, 0}, {1920, 1080}}, {{0, 0}, {1920, 1055}}};
        screens.screenList = {screen};
        screens.main = screen;
        monitor.onKeyEvent = [this](const KeyEvent& event) { controller.handle(event); };
        // A view observing the model, as the overlay window does.
        controller.model().keycaps.subscribe([this](const std::vector<Keycap>& keycaps) { drawn += keycaps.size(); });
    }

    test::FakeEventTapService taps;
    test::ManualScheduler scheduler;
    test::MemoryDefaultsStore defaults;
    test::FakeScreenService screens;
    test::FakeOverlayPanelFactory panels;
    OverlayController controller{{scheduler, defaults, screens, panels}};
    KeystrokeMonitor monitor{taps};
    std::size_t drawn = 0;
};

PlatformEvent keyEvent(std::uint32_t type, std::int64_t keyCode, std::uint64_t flags, const char* text = nullptr)
{
    PlatformEvent event{.type = type, .flags = flags, .keyCode = keyCode};
    if (text)
        event.layoutText = text;
    return event;
}

void runEvents(benchmark::State& state, const std::vector<PlatformEvent>& events)
{
    Pipeline pipeline;
    for (auto _ : state) {
        for (const PlatformEvent& event : events)
            pipeline.monitor.handleEvent(event.type, event);
        benchmark::DoNotOptimize(pipeline.drawn);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(events.size()));
}

// ⌘ down, C down, C up, ⌘ up.
void commandC(benchmark::State& state)
{
    runEvents(state, {keyEvent(EventType::flagsChanged, 55, 0x100000), keyEvent(EventType::keyDown, 8, 0x100000, "c"),
                      keyEvent(EventType::keyUp, 8, 0x100000), keyEvent(EventType::flagsChanged, 55, 0)});
}
BENCHMARK(commandC);

// Plain typing: letter down and up.
void typing(benchmark::State& state)
{
    runEvents(state, {keyEvent(EventType::keyDown, 0, 0, "a"), keyEvent(EventType::keyUp, 0, 0),
                      keyEvent(EventType::keyDown, 11, 0, "b"), keyEvent(EventType::keyUp, 11, 0)});
}
BENCHMARK(typing);

} // namespace
} // namespace kestrel
