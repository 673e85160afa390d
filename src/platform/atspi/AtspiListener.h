#pragma once

#include "platform/PasswordFocusService.h"

#include <functional>

namespace kestrel {

// The accessibility module's one object: libatspi listening for focus changes on a thread
// of its own, with its own GLib main context, so that its synchronous calls in answer to
// events (up to 100 ms on a hung application) never stall Kestrel; it is started and
// stopped on Kestrel's main thread. It is created only once an accessibility bus
// is known to be there (after a failed start, libatspi ends the process at its next call)
// and destroyed when the bus goes. It registers no keystroke listener (those make every
// application's typing wait on Kestrel) and never reads the text of an event.
class AtspiListener {
public:
    struct Callbacks {
        // Called on the listener's thread.
        std::function<void(const FocusReport&)> report;
        // Called once, before the listener is returned: whether it has started.
        std::function<void(bool listening)> listening;
    };
    using Factory = AtspiListener* (*)(Callbacks* callbacks);
    static constexpr const char* moduleName = "kestrel_accessibility";
    static constexpr const char* factoryName = "kestrelCreateAtspiListener";

    virtual ~AtspiListener() = default; // stops listening; no callback runs afterwards
};

} // namespace kestrel
