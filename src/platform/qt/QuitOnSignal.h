#pragma once

#include <memory>

class QSocketNotifier;

namespace kestrel {

// Ends the main loop when Kestrel is asked to stop (SIGTERM from a session ending, SIGINT
// from a terminal), so that it leaves as from its Quit row: the window frame saved, the
// instance socket removed. The signal handler only writes a byte to a pipe; the loop does
// the rest.
class QuitOnSignal {
public:
    // `atOnce` runs inside the signal handler, before anything else can happen (such as the
    // display going away with the session): it must be safe to call there.
    explicit QuitOnSignal(void (*atOnce)() = nullptr);
    ~QuitOnSignal();

    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace kestrel
