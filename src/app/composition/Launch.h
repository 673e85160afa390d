#pragma once

#include "app/CommandLine.h"
#include "app/InputBackend.h"
#include "platform/linux/InstanceSocket.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace kestrel {

// What Kestrel learns of its session before Qt starts, and the door later launches knock on.
struct Launch {
    // The command line as it was given, before Qt takes its own options from it.
    std::vector<std::string> arguments;
    CommandLine line;
    InputBackend input = InputBackend::x11;
    DisplayBackend display = DisplayBackend::x11;
    // The display Kestrel runs on (X's, or the Wayland compositor's socket): one Kestrel each.
    std::string displayName;
    // This process was started again by one that lost its X display.
    bool restartedAfterLoss = false;
    // Null when Kestrel runs without one (said on standard error).
    std::unique_ptr<InstanceSocket> instance;
    // The language of Kestrel's texts ("de", "pt_BR"), once they are loaded; empty for English.
    std::string language;

    bool onWayland() const { return display == DisplayBackend::waylandLayerShell; }

    // Reads the command line and the session, sets Qt's platform for it, and finds or becomes
    // the one Kestrel of this user and display. An exit status when this process is done:
    // after help or the version, a wrong option, a request handed to the running Kestrel, or
    // with nothing to run on.
    static std::variant<int, Launch> prepare(std::vector<std::string> arguments);
};

// Says a line on standard error, as Kestrel: a text of the system's own as it is, one of
// Kestrel's in the user's language.
void complain(const std::string& message);
void complain(const UiMessage& message);

} // namespace kestrel
