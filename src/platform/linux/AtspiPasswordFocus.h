#pragma once

#include "platform/PasswordFocusService.h"

#include <memory>
#include <string>

class QObject;

namespace kestrel {

// Password fields as the accessibility bus (AT-SPI) reports them: which control has the
// focus and whether it is a password field, in every application that speaks AT-SPI.
//
// libatspi runs on a thread of its own with its own GLib main context, so its synchronous
// calls (up to 100 ms on a hung application) never stall Kestrel, and it is started only
// once an accessibility bus is known to be there: after a failed start libatspi ends the
// process at its next call. The thread follows the bus's name on the session bus and starts
// or stops libatspi as the bus comes and goes. It registers no keystroke listener (those
// make every application's typing wait on Kestrel) and never reads the text of an event.
class AtspiPasswordFocus final : public PasswordFocusService {
public:
    AtspiPasswordFocus();
    ~AtspiPasswordFocus() override;

    AtspiPasswordFocus(const AtspiPasswordFocus&) = delete;
    AtspiPasswordFocus& operator=(const AtspiPasswordFocus&) = delete;

    void setHandler(std::function<void(const FocusReport&)> handler) override;

private:
    struct Worker;
    void post(std::function<void()> task);

    std::function<void(const FocusReport&)> m_handler;
    std::unique_ptr<QObject> m_mainThread; // where the worker's news are delivered
    std::unique_ptr<Worker> m_worker;
};

} // namespace kestrel
