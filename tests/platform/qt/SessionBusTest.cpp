#include "platform/qt/SessionBus.h"

#include "support/EventLoop.h"
#include "support/dbus/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusConnectionInterface>

namespace kestrel {
namespace {

TEST(SessionBusAddressTest, FindsTheSocketFoldersToWatchAndDropsTheServerIds)
{
    bool others = true;
    EXPECT_EQ(SessionBus::socketFolders(QStringLiteral("unix:path=/run/user/1000/bus"), &others),
              QStringList{QStringLiteral("/run/user/1000")});
    EXPECT_FALSE(others);
    // D-Bus's escapes are undone; an abstract socket has no file, so it is tried on a timer.
    EXPECT_EQ(SessionBus::socketFolders(QStringLiteral("unix:abstract=/tmp/dbus-x,guid=ab;unix:guid=1,path=/tmp/"
                                                       "my%20bus/socket"),
                                        &others),
              QStringList{QStringLiteral("/tmp/my bus")});
    EXPECT_TRUE(others);
    EXPECT_TRUE(SessionBus::socketFolders(QStringLiteral("tcp:host=localhost,port=4000"), &others).isEmpty());
    EXPECT_TRUE(others);

    EXPECT_EQ(SessionBus::withoutServerIds(QStringLiteral("unix:path=/run/user/1000/bus,guid=0123")),
              QStringLiteral("unix:path=/run/user/1000/bus"));
    EXPECT_EQ(SessionBus::withoutServerIds(QStringLiteral("unix:guid=9,abstract=/tmp/x;tcp:host=h,guid=8,port=1")),
              QStringLiteral("unix:abstract=/tmp/x;tcp:host=h,port=1"));
}

class SessionBusTest : public ::testing::Test {
protected:
    ~SessionBusTest() override
    {
        bus.reset();
        QDBusConnection::disconnectFromBus(firstName);
    }

    // Whether a connection of the test's own, made now, sees `name` owned on the bus.
    bool isOwned(const QString& name)
    {
        const QString probe = QStringLiteral("probe-%1").arg(++probes);
        bool owned = false;
        {
            QDBusConnection connection = QDBusConnection::connectToBus(daemon.address(), probe);
            owned = connection.isConnected() && connection.interface()->isServiceRegistered(name).value();
        }
        QDBusConnection::disconnectFromBus(probe);
        return owned;
    }

    void makeBus()
    {
        bus =
            std::make_unique<SessionBus>(daemon.address(), QDBusConnection::connectToBus(daemon.address(), firstName));
        QObject::connect(bus.get(), &SessionBus::lost, [this] { news.push_back("lost"); });
        QObject::connect(bus.get(), &SessionBus::connected, [this] { news.push_back("connected"); });
    }

    test::PrivateBus daemon;
    const QString firstName = QStringLiteral("first-%1").arg(reinterpret_cast<quintptr>(this));
    std::unique_ptr<SessionBus> bus;
    std::vector<std::string> news;
    int probes = 0;
};

TEST_F(SessionBusTest, ADaemonThatEndsAndStartsAgainAtTheAddressIsConnectedToAgain)
{
    ASSERT_TRUE(daemon.isRunning()) << daemon.error();
    makeBus();
    ASSERT_TRUE(bus->isConnected());
    const QString name = QStringLiteral("org.example.Kestrel.Test");

    // Twice: the connection made after a restart is followed as the first was.
    for (int restart = 1; restart <= 2; ++restart) {
        daemon.stop();
        ASSERT_TRUE(test::runEventLoopUntil([&] { return news.size() == 2u * restart - 1; })) << restart;
        EXPECT_EQ(news.back(), "lost");
        EXPECT_FALSE(bus->isConnected());
        ASSERT_TRUE(daemon.start()) << daemon.error();
        ASSERT_TRUE(test::runEventLoopUntil([&] { return news.size() == 2u * restart; })) << restart;
        EXPECT_EQ(news.back(), "connected");
        EXPECT_TRUE(bus->isConnected());
        // The new connection is a working one: what is owned through it is seen by others.
        QDBusConnection connection = bus->connection();
        ASSERT_TRUE(connection.registerService(name));
        EXPECT_TRUE(isOwned(name));
    }
}

TEST_F(SessionBusTest, ADaemonNotYetRunningAtStartIsConnectedToWhenItComes)
{
    ASSERT_TRUE(daemon.isRunning()) << daemon.error();
    daemon.stop();
    makeBus();
    EXPECT_FALSE(bus->isConnected());
    ASSERT_TRUE(daemon.start()) << daemon.error();
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !news.empty(); }));
    EXPECT_EQ(news, (std::vector<std::string>{"connected"}));
    EXPECT_TRUE(bus->isConnected());
}

} // namespace
} // namespace kestrel
