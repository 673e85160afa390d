#pragma once

#include "platform/desktop/GnomeInputSources.h"

#include <QDBusConnection>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QProcess;
class QSocketNotifier;

namespace kestrel {

// Follows which keyboard layout the desktop has active, where the desktop says so: sway
// over its IPC socket, KDE Plasma over D-Bus, GNOME in its settings (read and watched with
// `gsettings`, which also give its layouts). A layout switched by the desktop's own shortcut
// never shows in the keys Kestrel reads from the kernel, so this is how their text follows
// it. Elsewhere nothing is followed but the switches the keymap binds to keys.
class DesktopLayoutWatch final : public QObject {
    Q_OBJECT

public:
    using OnLayout = std::function<void(std::uint32_t index)>;
    // The layouts themselves, where the desktop keeps them apart from the compositor (GNOME).
    using OnLayouts = std::function<void(const GnomeInputSources::Keymap& layouts)>;

    // Sway when SWAYSOCK names its socket, KDE or GNOME when XDG_CURRENT_DESKTOP says so;
    // nothing on other desktops.
    static std::unique_ptr<DesktopLayoutWatch> forThisSession(OnLayout onLayout, OnLayouts onLayouts);
    static std::unique_ptr<DesktopLayoutWatch> sway(const std::string& socketPath, OnLayout onLayout);
    static std::unique_ptr<DesktopLayoutWatch> kde(QDBusConnection bus, OnLayout onLayout);
    static std::unique_ptr<DesktopLayoutWatch> gnome(OnLayout onLayout, OnLayouts onLayouts);
    ~DesktopLayoutWatch() override;

    // "sway", "KDE" or "GNOME".
    const std::string& desktop() const { return m_desktop; }

private slots:
    void kdeLayoutChanged(uint index);

private:
    DesktopLayoutWatch(std::string desktop, OnLayout onLayout);
    void readSway();
    void stopSway();
    // A GNOME setting of the input sources changed (or was read at start).
    void gnomeSetting(const QString& key, const QString& value);

    std::string m_desktop;
    OnLayout m_onLayout;
    int m_sway = -1;
    std::unique_ptr<QSocketNotifier> m_swayNotifier;
    std::string m_swayBuffer;
    OnLayouts m_onLayouts;
    std::unique_ptr<QProcess> m_gnomeRead;
    std::unique_ptr<QProcess> m_gnomeMonitor;
    std::vector<GnomeInputSources::Source> m_gnomeSources;
    std::vector<GnomeInputSources::Source> m_gnomeRecent;
    std::string m_gnomeOptions;
};

} // namespace kestrel
