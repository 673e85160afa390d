#pragma once

#include "app/WindowActivation.h"
#include "common/Observable.h"

namespace kestrel {

// What the user decided about an offered update.
enum class UpdateChoice { skip, install, remindLater };

// The pending-update mark: true from the moment an update is offered until the user skips
// that version or a later check positively finds nothing newer. A failed check, a dismissed
// window and "Remind Me Later" all leave it as it is. The tray icon's dot, the panel's
// "Update Available…" row and the About row's dot follow it. While the update window is
// open Kestrel counts as a regular application.
class UpdateReminders {
public:
    explicit UpdateReminders(WindowActivation& activation) : m_activation(activation) {}

    Observable<bool> isUpdatePending{false};

    // A scheduled check found an update: the mark only, never a window.
    void foundUpdateGently() { isUpdatePending = true; }
    // The update window is about to show an update.
    void willShowUpdate()
    {
        isUpdatePending = true;
        m_activation.beginShowingUpdate();
    }
    void didFinishShowingUpdate() { m_activation.endShowingUpdate(); }
    void userMadeChoice(UpdateChoice choice)
    {
        if (choice == UpdateChoice::skip)
            isUpdatePending = false;
    }
    void didNotFindUpdate() { isUpdatePending = false; }

private:
    WindowActivation& m_activation;
};

} // namespace kestrel
