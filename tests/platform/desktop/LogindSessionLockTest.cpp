#include "platform/desktop/LogindSessionLock.h"

#include "support/EventLoop.h"
#include "support/dbus/FakeLogind.h"
#include "support/dbus/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QThread>

#include <memory>

namespace kestrel {
namespace {

using test::FakeLogind;
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");

struct SessionLock : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(bus.isRunning()) << bus.error();
        logindThread.start();
    }
    void TearDown() override
    {
        logindThread.quit();
        logindThread.wait();
        fakeLogind.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
        QDBusConnection::disconnectFromBus(QStringLiteral("kestrel"));
    }
    QDBusConnection connect(const QString& name) { return QDBusConnection::connectToBus(bus.address(), name); }

    FakeLogind& startLogind()
    {
        fakeLogind = std::make_unique<FakeLogind>(connect(QStringLiteral("logind")));
        fakeLogind->moveToThread(&logindThread);
        return *fakeLogind;
    }

    test::PrivateBus bus;
    QThread logindThread;
    std::unique_ptr<FakeLogind> fakeLogind;
};

TEST_F(SessionLock, FollowsTheSessionsLockedHintAndItsLockRequests)
{
    FakeLogind& logind = startLogind();
    logind.locked = true;
    LogindSessionLock lock(connect(QStringLiteral("kestrel")));
    EXPECT_EQ(lock.problem(), "");
    EXPECT_TRUE(lock.withholdsTyping()); // read at start
    std::vector<bool> changes;
    lock.onChange = [&](bool locked) { changes.push_back(locked); };

    logind.setLocked(false);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !lock.withholdsTyping(); }));

    // Asked to lock: withheld at once, before the locker confirms.
    logind.emitSignal(sessionInterface, QStringLiteral("Lock"));
    ASSERT_TRUE(test::runEventLoopUntil([&] { return lock.withholdsTyping(); }));
    // Asked to unlock: only what LockedHint then says counts (the locker has not let go yet).
    logind.locked = true;
    const int readsBefore = logind.lockedHintReads;
    logind.emitSignal(sessionInterface, QStringLiteral("Unlock"));
    ASSERT_TRUE(test::runEventLoopUntil([&] { return logind.lockedHintReads > readsBefore; }));
    EXPECT_TRUE(lock.withholdsTyping());

    // Another interface's properties are not the session's.
    logind.emitSignal(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
                      {QStringLiteral("org.freedesktop.login1.Seat"),
                       QVariantMap{{QStringLiteral("LockedHint"), false}}, QStringList{}});
    logind.setLocked(false);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !lock.withholdsTyping(); }));
    EXPECT_EQ(changes, (std::vector{false, true, false}));
}

TEST_F(SessionLock, ALockNobodyAnswersAndAnotherSessionInFrontAreFollowedToo)
{
    using namespace std::chrono_literals;
    FakeLogind& logind = startLogind();
    // How long a lock logind never confirms withholds typing.
    constexpr auto grace = 300ms;
    LogindSessionLock lock(connect(QStringLiteral("kestrel")), grace);
    // Whatever was typed meanwhile is taken while still withheld.
    std::vector<bool> withheldWhenReleased;
    lock.beforeRelease = [&] { withheldWhenReleased.push_back(lock.withholdsTyping()); };
    EXPECT_FALSE(lock.withholdsTyping());

    // A locker that never tells logind: withheld for a moment, then not, so Kestrel never
    // stays mute.
    logind.emitSignal(sessionInterface, QStringLiteral("Lock"));
    ASSERT_TRUE(test::runEventLoopUntil([&] { return lock.withholdsTyping(); }));
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !lock.withholdsTyping(); }, 10 * grace));
    // One that does: withheld until it says unlocked, however long.
    logind.emitSignal(sessionInterface, QStringLiteral("Lock"));
    logind.setLocked(true);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return lock.withholdsTyping(); }));
    EXPECT_FALSE(test::runEventLoopUntil([&] { return !lock.withholdsTyping(); }, 3 * grace))
        << "let go while the session is locked";
    logind.setLocked(false);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !lock.withholdsTyping(); }));

    // A user switch or a text console: withheld while this session is not in front.
    logind.setActive(false);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return lock.withholdsTyping(); }));
    logind.setActive(true);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !lock.withholdsTyping(); }));
    EXPECT_EQ(withheldWhenReleased, (std::vector{true, true, true}));
}

TEST_F(SessionLock, AProcessOutsideASessionWatchesTheUsersGraphicalSession)
{
    FakeLogind& logind = startLogind();
    logind.processHasSession = false;
    LogindSessionLock lock(connect(QStringLiteral("kestrel")));
    EXPECT_EQ(lock.problem(), "");
    logind.setLocked(true);
    EXPECT_TRUE(test::runEventLoopUntil([&] { return lock.withholdsTyping(); }));
}

TEST_F(SessionLock, WithoutLogindTheLockStateIsUnknownAndSaidSo)
{
    LogindSessionLock lock(connect(QStringLiteral("kestrel")));
    EXPECT_FALSE(lock.withholdsTyping());
    EXPECT_EQ(lock.problem(), "systemd-logind knows no session of this user to ask whether the screen is locked");
}

} // namespace
} // namespace kestrel
