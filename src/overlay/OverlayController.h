#pragma once

#include "common/WeakSelf.h"
#include "input/EventRecords.h"
#include "overlay/InputDisplayState.h"
#include "overlay/OverlayModel.h"
#include "overlay/OverlayPanel.h"
#include "platform/DefaultsStore.h"
#include "platform/Scheduler.h"
#include "platform/ScreenService.h"

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace kestrel {

// Turns the stream of key and mouse events into what the overlay shows and for how long.
// It owns the display state, the model the overlay view draws from, the panel, and the
// timers that release keycaps and hide the row. Preferences are read at every event and
// refresh, never cached, so a change in the settings applies to the next event. The
// visualizer routes both monitors here and calls hide() when it stops.
class OverlayController {
public:
    struct Services {
        Scheduler& scheduler;
        const DefaultsStore& defaults;
        const ScreenService& screens;
        OverlayPanelFactory& panels;
    };

    static constexpr std::chrono::milliseconds capsLockReleaseDelay{150};
    static constexpr std::chrono::milliseconds scrollReleaseDelay{200};
    // The longest "displayDuration" honoured; longer values would overflow the clock.
    static constexpr std::chrono::hours longestDisplayDuration{24};

    explicit OverlayController(Services services);
    ~OverlayController();

    OverlayController(const OverlayController&) = delete;
    OverlayController& operator=(const OverlayController&) = delete;

    void handle(const KeyEvent& event);
    void handle(const MouseEvent& event);
    // Stops everything at once: timers cancelled, state reset, panel ordered out.
    void hide();

    const OverlayModel& model() const { return m_model; }
    const InputDisplayState& state() const { return m_state; }
    bool isHideScheduled() const { return m_hideTask.has_value(); }

    // The hide delay for a stored "displayDuration" in seconds: negative counts as 0, NaN
    // as the default, anything beyond a day as a day.
    static std::chrono::milliseconds hideDelay(double seconds);
    static double fontSize(OverlaySize size); // points

private:
    struct Task {
        Scheduler::Handle handle;
        std::uint64_t generation; // a task that finds another generation stored was re-armed
    };

    void refresh();
    void scheduleHide();
    void scheduleRelease(const std::string& id, std::chrono::milliseconds delay);
    void cancel(std::optional<Task>& task);
    // `custom` holds the clamped custom fractions, used only for the custom position.
    void place(OverlayPanel& panel, OverlayPosition position, UnitPoint custom);

    Services m_services;
    OverlayModel m_model;
    InputDisplayState m_state;
    std::unique_ptr<OverlayPanel> m_panel;
    std::optional<Task> m_hideTask;
    std::map<std::string, Task, std::less<>> m_releaseTasks;
    std::uint64_t m_lastGeneration = 0;
    WeakSelf<OverlayController> m_self{this};
};

} // namespace kestrel
