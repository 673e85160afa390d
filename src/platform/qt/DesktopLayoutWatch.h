#pragma once

#include <QDBusConnection>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

namespace kestrel {

// Follows which keyboard layout the desktop has active, where the desktop says so: sway
// over its IPC socket, KDE Plasma over D-Bus. A layout switched by the desktop's own
// shortcut never shows in the keys Kestrel reads from the kernel, so this is how their text
// follows it. Elsewhere nothing is followed but the switches the keymap binds to keys.
class DesktopLayoutWatch final : public QObject {
    Q_OBJECT

public:
    using OnLayout = std::function<void(std::uint32_t index)>;

    // Sway when SWAYSOCK names its socket, KDE when XDG_CURRENT_DESKTOP says KDE; nothing
    // on other desktops.
    static std::unique_ptr<DesktopLayoutWatch> forThisSession(OnLayout onLayout);
    static std::unique_ptr<DesktopLayoutWatch> sway(const std::string& socketPath, OnLayout onLayout);
    static std::unique_ptr<DesktopLayoutWatch> kde(QDBusConnection bus, OnLayout onLayout);
    ~DesktopLayoutWatch() override;

    // "sway" or "KDE".
    const std::string& desktop() const { return m_desktop; }

private slots:
    void kdeLayoutChanged(uint index);

private:
    DesktopLayoutWatch(std::string desktop, OnLayout onLayout);
    void readSway();
    void stopSway();

    std::string m_desktop;
    OnLayout m_onLayout;
    int m_sway = -1;
    std::unique_ptr<QSocketNotifier> m_swayNotifier;
    std::string m_swayBuffer;
};

} // namespace kestrel
