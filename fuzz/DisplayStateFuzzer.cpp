// The overlay's decisions under any order of events: keys, modifiers, caps lock, buttons,
// scroll steps, time passing, hiding and preference changes, as the input bytes choose them.
// After every step the keycaps have unique ids, at most four modifier caps, the model shows
// the state, and the hide timer runs exactly when nothing is held; once everything is let go,
// nothing stays held or shown beyond the display duration.

#include "overlay/OverlayController.h"
#include "support/FakeOverlay.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"
#include "support/OverlayEventScript.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

using namespace kestrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    test::ManualScheduler scheduler;
    test::MemoryDefaultsStore defaults;
    test::FakeScreenService screens;
    const Screen screen{"MAIN", {{0, 0}, {1920, 1080}}, {{0, 0}, {1920, 1055}}};
    screens.screenList = {screen};
    screens.main = screen;
    test::FakeOverlayPanelFactory panels;
    OverlayController controller{{scheduler, defaults, screens, panels}};
    test::OverlayEventScript script(controller, scheduler, defaults);

    FuzzedDataProvider input(data, size);
    const auto pick = [&](int count) { return input.ConsumeIntegralInRange(0, count - 1); };
    for (int step = 0; step < 4096 && input.remaining_bytes() > 0; ++step) {
        script.step(pick);
        if (const auto broken = script.brokenInvariant()) {
            std::fprintf(stderr, "display state fuzzer: %s after step %d\n", broken->c_str(), step);
            std::abort();
        }
    }
    if (const auto broken = script.releaseEverythingAndWait()) {
        std::fprintf(stderr, "display state fuzzer: %s\n", broken->c_str());
        std::abort();
    }
    return 0;
}
