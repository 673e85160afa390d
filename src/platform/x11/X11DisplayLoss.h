#pragma once

#include "common/UiText.h"

#include <chrono>
#include <string>
#include <vector>

namespace kestrel::x11 {

// Qt ends the process when its X connection breaks, as it does when the X server stops or
// restarts. While armed, Kestrel then starts itself again in place (the same process and
// arguments) and the new start waits for the display to come back before it carries on, so
// a restarted X server gets its keycaps back without anyone relaunching Kestrel.
class DisplayLossRestart {
public:
    // Arm once the Qt application exists, with the command line as it was before the
    // application took its own options from it; disarmed again when this object goes (before
    // the application does). Only a display that no longer answers counts as lost: one that
    // closed Kestrel's connection on purpose (xkill) ends Kestrel.
    explicit DisplayLossRestart(std::vector<std::string> arguments);
    ~DisplayLossRestart();

    // Kestrel was asked to stop (the session is ending): losing the display now is no reason
    // to come back. The second may be called from a signal handler.
    void disarm();
    static void disarmFromSignalHandler();

    DisplayLossRestart(const DisplayLossRestart&) = delete;
    DisplayLossRestart& operator=(const DisplayLossRestart&) = delete;

    // True when this process is such a restart; asks only once.
    static bool isRestartAfterLoss();
    // Waits, without spinning, until Kestrel can listen on the display again: empty then, or
    // why not once `patience` has run out.
    static UiMessage waitForDisplay(std::chrono::seconds patience);
};

} // namespace kestrel::x11
