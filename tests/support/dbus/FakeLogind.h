#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>

#include <atomic>

namespace kestrel::test {

// systemd-logind as far as Kestrel asks it: one user with one session. Move it to a thread of
// its own, so it answers while Kestrel (or the test) waits, as the real one answers from its own
// process.
class FakeLogind final : public QDBusVirtualObject {
public:
    static constexpr const char* sessionPath = "/org/freedesktop/login1/session/_32";

    explicit FakeLogind(QDBusConnection bus);

    std::atomic<bool> processHasSession = true;
    std::atomic<bool> locked = false;
    std::atomic<bool> active = true;
    std::atomic<int> lockedHintReads = 0;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

    // Another session, or a text console, comes in front; or this one again.
    void setActive(bool now);
    // The locker says the screen is locked, or unlocked.
    void setLocked(bool now);
    void emitSignal(const QString& interface, const QString& name, const QList<QVariant>& arguments = {});

private:
    void propertyChanged(const QString& name, bool value);

    QDBusConnection m_bus;
};

} // namespace kestrel::test
