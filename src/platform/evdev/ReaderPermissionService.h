#pragma once

#include "common/UiText.h"
#include "platform/DefaultsStore.h"
#include "platform/PermissionService.h"
#include "platform/Workspace.h"
#include "platform/evdev/EvdevEventTapService.h"
#include "platform/evdev/InputReaderProcess.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace kestrel::evdev {

// Input access on Wayland desktops, where only root or the input group may read the
// keyboards. A request starts kestrel-input-reader through pkexec: the system's
// authentication dialog asks for an administrator's password, and once allowed the reader's
// records join the devices Kestrel reads, until Kestrel quits. The other way, the input
// group, is Kestrel's help page. The user's choice of the reader is remembered in the state
// file, so the next start asks through it again.
class ReaderPermissionService final : public PermissionService {
public:
    struct Settings {
        Workspace& workspace;
        std::string helpPageURL;                // the other way: the input group
        std::function<bool()> canListen;        // whether the devices open without the reader
        std::vector<std::string> readerCommand; // pkexec and the reader
        EvdevEventTapService& taps;
        DefaultsStore& state;
        std::function<void(const UiMessage&)> say; // a line on standard error
    };

    explicit ReaderPermissionService(Settings settings);
    ~ReaderPermissionService() override;

    bool isInputMonitoringGranted() const override;
    // Starts the reader unless access is there or a request is under way; its answer comes in
    // `accessRequest`.
    bool requestInputMonitoring() override;
    void openSystemSettings() override;
    bool asksSystem() const override { return true; }

    // At start: asks through the reader again when the user chose it and the devices cannot
    // be read without it.
    void resumeChoice();

private:
    void readReady();
    void processEnded();

    Settings m_settings;
    std::unique_ptr<InputReaderProcess> m_process;
    std::unique_ptr<QSocketNotifier> m_readyNotice;
    std::unique_ptr<QSocketNotifier> m_endNotice;
};

} // namespace kestrel::evdev
