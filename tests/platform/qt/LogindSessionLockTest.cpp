#include "platform/qt/LogindSessionLock.h"

#include "support/EventLoop.h"
#include "support/dbus/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

// A user's graphical session as logind's User.Display gives it: (id, object path).
struct SessionReference {
    QString id;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const SessionReference& session)
{
    argument.beginStructure();
    argument << session.id << session.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, SessionReference& session)
{
    argument.beginStructure();
    argument >> session.id >> session.path;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(SessionReference)

namespace kestrel {
namespace {

const QString sessionPath = QStringLiteral("/org/freedesktop/login1/session/_32");
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");

// systemd-logind as far as Kestrel asks it: one user with one session. It answers on a thread
// of its own, as the real one answers from its own process while Kestrel waits.
class FakeLogind final : public QDBusVirtualObject {
public:
    explicit FakeLogind(QDBusConnection bus) : m_bus(std::move(bus))
    {
        qDBusRegisterMetaType<SessionReference>();
        EXPECT_TRUE(m_bus.registerService(QStringLiteral("org.freedesktop.login1")));
        EXPECT_TRUE(
            m_bus.registerVirtualObject(QStringLiteral("/org/freedesktop/login1"), this, QDBusConnection::SubPath));
    }

    std::atomic<bool> processHasSession = true;
    std::atomic<bool> locked = false;
    std::atomic<bool> active = true;

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString member = message.member();
        QDBusMessage reply;
        if (member == QStringLiteral("GetSessionByPID")) {
            reply = processHasSession
                        ? message.createReply(QVariant::fromValue(QDBusObjectPath(sessionPath)))
                        : message.createErrorReply(QStringLiteral("org.freedesktop.login1.NoSessionForPID"),
                                                   QStringLiteral("no session"));
        } else if (member == QStringLiteral("GetUser")) {
            reply = message.createReply(QVariant::fromValue(QDBusObjectPath("/org/freedesktop/login1/user/_1000")));
        } else if (member == QStringLiteral("Get") && message.arguments().value(1) == QStringLiteral("Display")) {
            const SessionReference display{QStringLiteral("32"), QDBusObjectPath(sessionPath)};
            reply = message.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(display))));
        } else if (member == QStringLiteral("Get") && message.arguments().value(1) == QStringLiteral("LockedHint")) {
            ++lockedHintReads;
            reply = message.createReply(QVariant::fromValue(QDBusVariant(locked.load())));
        } else if (member == QStringLiteral("Get") && message.arguments().value(1) == QStringLiteral("Active")) {
            reply = message.createReply(QVariant::fromValue(QDBusVariant(active.load())));
        } else {
            return false;
        }
        connection.send(reply);
        return true;
    }

    // Another session, or a text console, comes in front; or this one again.
    void setActive(bool now)
    {
        active = now;
        QDBusMessage changed = QDBusMessage::createSignal(
            sessionPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
        changed << sessionInterface << QVariantMap{{QStringLiteral("Active"), now}} << QStringList{};
        m_bus.send(changed);
    }

    // The locker says the screen is locked, or unlocked.
    void setLocked(bool now)
    {
        locked = now;
        QDBusMessage changed = QDBusMessage::createSignal(
            sessionPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
        changed << sessionInterface << QVariantMap{{QStringLiteral("LockedHint"), now}} << QStringList{};
        m_bus.send(changed);
    }
    void emitSignal(const QString& interface, const QString& name, const QList<QVariant>& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createSignal(sessionPath, interface, name);
        message.setArguments(arguments);
        m_bus.send(message);
    }

    std::atomic<int> lockedHintReads = 0;

private:
    QDBusConnection m_bus;
};

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
    LogindSessionLock lock(connect(QStringLiteral("kestrel")), 300ms);
    // Whatever was typed meanwhile is taken while still withheld.
    std::vector<bool> withheldWhenReleased;
    lock.beforeRelease = [&] { withheldWhenReleased.push_back(lock.withholdsTyping()); };
    EXPECT_FALSE(lock.withholdsTyping());

    // A locker that never tells logind: withheld for a moment, then not, so Kestrel never
    // stays mute.
    logind.emitSignal(sessionInterface, QStringLiteral("Lock"));
    ASSERT_TRUE(test::runEventLoopUntil([&] { return lock.withholdsTyping(); }));
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !lock.withholdsTyping(); }, 3s));
    // One that does: withheld until it says unlocked, however long.
    logind.emitSignal(sessionInterface, QStringLiteral("Lock"));
    logind.setLocked(true);
    test::runEventLoop(600ms);
    EXPECT_TRUE(lock.withholdsTyping());
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
