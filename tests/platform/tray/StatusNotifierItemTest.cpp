#include "platform/tray/StatusNotifierItem.h"

#include "support/EventLoop.h"
#include "support/dbus/FakeWatcher.h"
#include "support/dbus/PrivateBus.h"
#include "support/desktops/TrayHost.h"

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QPoint>
#include <QTimer>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

using test::FakeWatcher;
const QString watcherName = FakeWatcher::name;

class StatusNotifierItemTest : public ::testing::Test {
protected:
    // Connections are kept by name: each test has its own, closed with it.
    ~StatusNotifierItemTest() override
    {
        item.reset();
        kestrelBus.reset();
        QDBusConnection::disconnectFromBus(host.name());
        QDBusConnection::disconnectFromBus(host.name() + QStringLiteral("-kestrel"));
    }

    // A call from the host, answered while the main loop runs (the item lives on it too).
    QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                      const QList<QVariant>& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(item->serviceName(), path, interface, method);
        message.setArguments(arguments);
        return host.call(message, QDBus::BlockWithGui, 3000);
    }

    QVariant property(const QString& path, const QString& interface, const QString& name)
    {
        const QDBusMessage reply =
            call(path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"), {interface, name});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    QVariant itemProperty(const QString& name)
    {
        return property(QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem"), name);
    }

    // The menu's entries as the host reads them: (id, properties) under the root.
    std::vector<std::pair<int, QVariantMap>> menuLayout(uint* revision = nullptr)
    {
        const QDBusMessage reply = call(QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"),
                                        QStringLiteral("GetLayout"), {0, -1, QStringList()});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        if (revision)
            *revision = reply.arguments().value(0).toUInt();
        return test::TrayHost::menuEntries(reply);
    }

    void startItem()
    {
        kestrelBus = std::make_unique<SessionBus>(
            bus.address(), QDBusConnection::connectToBus(bus.address(), host.name() + QStringLiteral("-kestrel")));
        item = std::make_unique<StatusNotifierItem>(
            *kestrelBus, QStringLiteral("kestrel"), QStringLiteral("Kestrel"),
            StatusNotifierItem::Handlers{.activate = [this](int x, int y) { activations.push_back(QPoint(x, y)); },
                                         .secondaryActivate = [this] { ++secondaryActivations; },
                                         .menuAboutToShow =
                                             [this] {
                                                 if (nextMenu)
                                                     item->setMenu(*std::exchange(nextMenu, std::nullopt));
                                             },
                                         .menuEntryClicked = [this](int id) { clicked.push_back(id); },
                                         .registrationChanged = [this](bool now) { registrations.push_back(now); }});
    }

    test::PrivateBus bus;
    QDBusConnection host = QDBusConnection::connectToBus(bus.address(), QStringLiteral("host-%1").arg(++connections));
    static inline int connections = 0;
    std::unique_ptr<SessionBus> kestrelBus;
    std::unique_ptr<StatusNotifierItem> item;
    std::vector<QPoint> activations;
    int secondaryActivations = 0;
    std::optional<std::vector<TrayMenuEntry>> nextMenu;
    std::vector<int> clicked;
    std::vector<bool> registrations;
};

TEST_F(StatusNotifierItemTest, RegistersWithEveryWatcherThatComesEvenAfterKestrelStarted)
{
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    startItem();
    EXPECT_FALSE(item->hadWatcherAtStart());
    EXPECT_FALSE(item->isRegistered());

    auto watcher = std::make_unique<FakeWatcher>(host);
    ASSERT_TRUE(watcher->isServing());
    ASSERT_TRUE(test::runEventLoopUntil([&] { return item->isRegistered(); }));
    EXPECT_EQ(watcher->items, QStringList{item->serviceName()});
    EXPECT_TRUE(host.interface()->isServiceRegistered(item->serviceName()).value());

    // The tray host restarts: the item goes with the old watcher and comes to the new one.
    watcher.reset();
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !item->isRegistered(); }));
    watcher = std::make_unique<FakeWatcher>(host);
    ASSERT_TRUE(watcher->isServing());
    ASSERT_TRUE(test::runEventLoopUntil([&] { return item->isRegistered(); }));
    EXPECT_EQ(watcher->items, QStringList{item->serviceName()});
    EXPECT_EQ(registrations, (std::vector<bool>{true, false, true}));
}

TEST_F(StatusNotifierItemTest, AfterTheSessionBusRestartsTheItemIsExportedAgainAndTakenUpByTheNewHost)
{
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    auto watcher = std::make_unique<FakeWatcher>(host);
    ASSERT_TRUE(watcher->isServing());
    startItem();
    ASSERT_TRUE(test::runEventLoopUntil([&] { return item->isRegistered(); }));
    watcher.reset();
    bus.stop();
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !item->isRegistered(); })) << "the host went with the bus";
    ASSERT_TRUE(bus.start()) << bus.error();
    // The tray host comes back on the new bus, on a connection of its own.
    QDBusConnection::disconnectFromBus(host.name());
    host = QDBusConnection::connectToBus(bus.address(), QStringLiteral("host-%1").arg(++connections));
    ASSERT_TRUE(host.isConnected());
    watcher = std::make_unique<FakeWatcher>(host);
    ASSERT_TRUE(watcher->isServing());
    ASSERT_TRUE(test::runEventLoopUntil([&] { return item->isRegistered(); })) << "registered with the new host";
    EXPECT_EQ(watcher->items, QStringList{item->serviceName()});
    EXPECT_EQ(registrations, (std::vector<bool>{true, false, true}));
    // The item's objects are there again for the new host to read.
    EXPECT_EQ(itemProperty(QStringLiteral("Id")).toString(), QStringLiteral("kestrel"));
    EXPECT_EQ(menuLayout().size(), 0u);
}

TEST_F(StatusNotifierItemTest, TheHostReadsTheIconInNetworkOrderAndTheToolTipAndHearsOfChanges)
{
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    startItem();
    // NewIcon, heard through a timer's slot.
    int newIcons = 0;
    QTimer newIcon;
    newIcon.setSingleShot(true);
    QObject::connect(&newIcon, &QTimer::timeout, [&] { ++newIcons; });
    ASSERT_TRUE(host.connect(item->serviceName(), QStringLiteral("/StatusNotifierItem"),
                             QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("NewIcon"), &newIcon,
                             SLOT(start())));

    item->setIcon({IconPixels{.width = 2, .height = 1, .argb = {0xff112233, 0x00000000}}});
    ASSERT_TRUE(test::runEventLoopUntil([&] { return newIcons > 0; })) << "NewIcon tells the host to read again";

    const QDBusArgument pixmaps = itemProperty(QStringLiteral("IconPixmap")).value<QDBusArgument>();
    int width = 0;
    int height = 0;
    QByteArray bytes;
    pixmaps.beginArray();
    ASSERT_FALSE(pixmaps.atEnd());
    pixmaps.beginStructure();
    pixmaps >> width >> height >> bytes;
    pixmaps.endStructure();
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 1);
    EXPECT_EQ(bytes, QByteArray::fromHex("ff112233"
                                         "00000000"))
        << "alpha, red, green, blue";

    item->setToolTip("Kestrel, update available");
    const QDBusArgument toolTip = itemProperty(QStringLiteral("ToolTip")).value<QDBusArgument>();
    QString iconName, title, description;
    toolTip.beginStructure();
    toolTip >> iconName;
    toolTip.beginArray();
    while (!toolTip.atEnd()) {
        int w = 0, h = 0;
        QByteArray b;
        toolTip.beginStructure();
        toolTip >> w >> h >> b;
        toolTip.endStructure();
    }
    toolTip.endArray();
    toolTip >> title >> description;
    toolTip.endStructure();
    EXPECT_EQ(title, QStringLiteral("Kestrel, update available"));
    EXPECT_EQ(itemProperty(QStringLiteral("Id")).toString(), QStringLiteral("kestrel"));
    EXPECT_EQ(itemProperty(QStringLiteral("ItemIsMenu")).toBool(), false)
        << "a click activates; the menu is for right clicks";
    EXPECT_EQ(itemProperty(QStringLiteral("Menu")).value<QDBusObjectPath>().path(), QStringLiteral("/MenuBar"));
}

TEST_F(StatusNotifierItemTest, ActivationsCarryTheHostsPlace)
{
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    startItem();
    const QString interface = QStringLiteral("org.kde.StatusNotifierItem");
    EXPECT_EQ(call(QStringLiteral("/StatusNotifierItem"), interface, QStringLiteral("Activate"), {1580, 12}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !activations.empty(); }));
    EXPECT_EQ(activations, std::vector<QPoint>{QPoint(1580, 12)});
    call(QStringLiteral("/StatusNotifierItem"), interface, QStringLiteral("SecondaryActivate"), {1580, 12});
    ASSERT_TRUE(test::runEventLoopUntil([&] { return secondaryActivations == 1; }));
    EXPECT_EQ(activations.size(), 1u) << "a middle click does not open the panel";
}

TEST_F(StatusNotifierItemTest, TheMenuShowsItsEntriesAndReportsClicksOnThemOnly)
{
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    startItem();
    using Kind = TrayMenuEntry::Kind;
    item->setMenu({{.id = 1, .kind = Kind::toggle, .label = "Kestrel", .isChecked = true},
                   {.id = 100, .kind = Kind::separator},
                   {.id = 12, .label = "Check_for Updates…", .isEnabled = false},
                   {.id = 14, .label = "Quit Kestrel"}});
    uint revision = 0;
    const auto entries = menuLayout(&revision);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].first, 1);
    EXPECT_EQ(entries[0].second.value("toggle-type").toString(), QStringLiteral("checkmark"));
    EXPECT_EQ(entries[0].second.value("toggle-state").toInt(), 1);
    EXPECT_EQ(entries[1].second.value("type").toString(), QStringLiteral("separator"));
    EXPECT_EQ(entries[2].second.value("label").toString(), QStringLiteral("Check__for Updates…"))
        << "an underscore is no mnemonic";
    EXPECT_FALSE(entries[2].second.value("enabled").toBool());
    EXPECT_EQ(entries[3].second.value("label").toString(), QStringLiteral("Quit Kestrel"));

    const QString menu = QStringLiteral("com.canonical.dbusmenu");
    call(QStringLiteral("/MenuBar"), menu, QStringLiteral("Event"),
         {14, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    call(QStringLiteral("/MenuBar"), menu, QStringLiteral("Event"),
         {14, QStringLiteral("hovered"), QVariant::fromValue(QDBusVariant(0)), 0u});
    call(QStringLiteral("/MenuBar"), menu, QStringLiteral("Event"),
         {99, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    call(QStringLiteral("/MenuBar"), menu, QStringLiteral("Event"),
         {1, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    // Clicks are reported in order: once the last one is in, anything between would be too.
    ASSERT_TRUE(test::runEventLoopUntil([&] { return clicked.size() >= 2; }));
    EXPECT_EQ(clicked, (std::vector<int>{14, 1})) << "clicks on entries that exist, nothing else";

    // Opening the menu asks for fresh entries; the host learns whether to read them again.
    nextMenu = std::vector<TrayMenuEntry>{{.id = 1, .kind = Kind::toggle, .label = "Kestrel", .isChecked = false}};
    QDBusMessage answer = call(QStringLiteral("/MenuBar"), menu, QStringLiteral("AboutToShow"), {0});
    EXPECT_TRUE(answer.arguments().value(0).toBool());
    uint newRevision = 0;
    const auto fresh = menuLayout(&newRevision);
    EXPECT_GT(newRevision, revision);
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_EQ(fresh[0].second.value("toggle-state").toInt(), 0);
    answer = call(QStringLiteral("/MenuBar"), menu, QStringLiteral("AboutToShow"), {0});
    EXPECT_FALSE(answer.arguments().value(0).toBool()) << "nothing changed";
}

} // namespace
} // namespace kestrel
