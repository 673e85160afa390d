#include "platform/desktop/DesktopLayoutWatch.h"

#include "platform/desktop/SwayIpc.h"
#include "support/EventLoop.h"
#include "support/dbus/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kestrel {
namespace {

// Sway's IPC socket, as far as Kestrel talks to it.
class FakeSway {
public:
    FakeSway()
    {
        path = folder.filePath(QStringLiteral("sway-ipc.sock")).toStdString();
        listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        EXPECT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        EXPECT_EQ(::listen(listener, 1), 0);
    }
    ~FakeSway()
    {
        for (int fd : {client, listener}) {
            if (fd >= 0)
                ::close(fd);
        }
    }

    // Takes Kestrel's connection and the two requests it sends first.
    std::vector<SwayIpc::Message> accept()
    {
        client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        std::vector<SwayIpc::Message> requests;
        std::string buffer;
        std::array<char, 256> chunk;
        while (requests.size() < 2) {
            const ssize_t count = ::recv(client, chunk.data(), chunk.size(), 0);
            if (count <= 0)
                break;
            buffer.append(chunk.data(), static_cast<std::size_t>(count));
            SwayIpc::Message message;
            while (SwayIpc::take(buffer, message) == SwayIpc::Framing::message)
                requests.push_back(message);
        }
        return requests;
    }
    // Sent whether or not Kestrel still listens.
    void send(const std::string& bytes) { ::send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    void reply(std::uint32_t type, const std::string& json) { send(SwayIpc::message(type, json)); }
    // Whether Kestrel has closed its end.
    bool hungUp() const
    {
        pollfd peer{.fd = client, .events = POLLRDHUP, .revents = 0};
        return ::poll(&peer, 1, 0) == 1 && (peer.revents & (POLLRDHUP | POLLHUP)) != 0;
    }

    QTemporaryDir folder;
    std::string path;
    int listener = -1;
    int client = -1;
};

TEST(DesktopLayoutWatch, FollowsSwaysKeyboardLayoutSwitches)
{
    FakeSway sway;
    std::vector<std::uint32_t> layouts;
    const auto watch = DesktopLayoutWatch::sway(sway.path, [&](std::uint32_t index) { layouts.push_back(index); });
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->desktop(), "sway");
    const auto requests = sway.accept();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].type, SwayIpc::subscribe);
    EXPECT_EQ(requests[0].payload, R"(["input"])");
    EXPECT_EQ(requests[1].type, SwayIpc::getInputs);

    sway.reply(SwayIpc::subscribe, R"({"success": true})");
    // The layout now: a pointer says nothing, the first keyboard does.
    sway.reply(SwayIpc::getInputs, R"json([{"type": "pointer"}, {"type": "keyboard", "xkb_active_layout_index": 1,
        "xkb_layout_names": ["English (US)", "German"]}])json");
    ASSERT_TRUE(test::runEventLoopUntil([&] { return layouts.size() == 1; }));
    EXPECT_EQ(layouts, std::vector<std::uint32_t>{1});

    // A switch, arriving in two pieces; a keyboard plugged in is no switch.
    sway.reply(SwayIpc::inputEvent,
               R"({"change": "added", "input": {"type": "keyboard", "xkb_active_layout_index": 1}})");
    const std::string event =
        SwayIpc::message(SwayIpc::inputEvent,
                         R"({"change": "xkb_layout", "input": {"type": "keyboard", "xkb_active_layout_index": 0}})");
    sway.send(event.substr(0, 9));
    test::runEventLoop(std::chrono::milliseconds(20)); // a pause, so that the pieces are read apart
    sway.send(event.substr(9));
    ASSERT_TRUE(test::runEventLoopUntil([&] { return layouts.size() == 2; }));
    EXPECT_EQ(layouts, (std::vector<std::uint32_t>{1, 0}));

    // What is not sway's protocol ends the watch quietly: Kestrel hangs up, and a switch
    // after it is not read.
    sway.send("HTTP/1.1 400 Bad Request\r\n\r\n");
    sway.reply(SwayIpc::inputEvent,
               R"({"change": "xkb_layout", "input": {"type": "keyboard", "xkb_active_layout_index": 1}})");
    EXPECT_TRUE(test::runEventLoopUntil([&] { return sway.hungUp(); })) << "the watch goes on";
    EXPECT_EQ(layouts.size(), 2u);

    EXPECT_FALSE(DesktopLayoutWatch::sway(sway.folder.filePath(QStringLiteral("none")).toStdString(), {}));
}

// KDE's keyboard service: two layouts, the second active.
class FakeKdeKeyboard final : public QDBusVirtualObject {
public:
    explicit FakeKdeKeyboard(QDBusConnection bus) : m_bus(std::move(bus))
    {
        EXPECT_TRUE(m_bus.registerService(QStringLiteral("org.kde.keyboard")));
        EXPECT_TRUE(m_bus.registerVirtualObject(QStringLiteral("/Layouts"), this));
    }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() != QStringLiteral("getLayout"))
            return false;
        connection.send(message.createReply(QVariant::fromValue(uint{1})));
        return true;
    }
    void switchTo(uint index)
    {
        QDBusMessage changed = QDBusMessage::createSignal(
            QStringLiteral("/Layouts"), QStringLiteral("org.kde.KeyboardLayouts"), QStringLiteral("layoutChanged"));
        changed << index;
        m_bus.send(changed);
    }

private:
    QDBusConnection m_bus;
};

TEST(DesktopLayoutWatch, FollowsKdesKeyboardLayoutSwitches)
{
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    {
        FakeKdeKeyboard kde(QDBusConnection::connectToBus(bus.address(), QStringLiteral("kde")));
        std::vector<std::uint32_t> layouts;
        const auto watch =
            DesktopLayoutWatch::kde(QDBusConnection::connectToBus(bus.address(), QStringLiteral("kestrel")),
                                    [&](std::uint32_t index) { layouts.push_back(index); });
        ASSERT_TRUE(watch);
        ASSERT_TRUE(test::runEventLoopUntil([&] { return layouts.size() == 1; }));
        kde.switchTo(0);
        ASSERT_TRUE(test::runEventLoopUntil([&] { return layouts.size() == 2; }));
        EXPECT_EQ(layouts, (std::vector<std::uint32_t>{1, 0}));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("kde"));
    QDBusConnection::disconnectFromBus(QStringLiteral("kestrel"));
}

TEST(GnomeInputSources, ReadsTheLayoutsAndWhichIsActiveAsGsettingsPrintsThem)
{
    using namespace GnomeInputSources;
    const auto sources = parseSources("[('xkb', 'us'), ('ibus', 'anthy'), ('xkb', 'de+nodeadkeys')]");
    ASSERT_EQ(sources.size(), 3u);
    EXPECT_EQ(sources[2], (Source{"xkb", "de+nodeadkeys"}));
    EXPECT_TRUE(parseSources("@a(ss) []").empty());
    EXPECT_TRUE(parseSources("[('xkb', 'us'), ('xkb'").empty()) << "cut short";

    // Input methods are no layouts of the keymap.
    const std::string options = parseOptions("['grp:alt_shift_toggle', 'ctrl:nocaps']");
    EXPECT_EQ(options, "grp:alt_shift_toggle,ctrl:nocaps");
    EXPECT_EQ(keymapOf(sources, options), (Keymap{"us,de", ",nodeadkeys", options}));
    EXPECT_EQ(keymapOf(parseSources("[('xkb', 'us'), ('xkb', 'fr')]"), ""), (Keymap{"us,fr", "", ""}));

    // The most recently used source is the active one, counted among the layouts.
    EXPECT_EQ(activeLayout(sources, parseSources("[('xkb', 'de+nodeadkeys'), ('xkb', 'us')]")), 1u);
    EXPECT_EQ(activeLayout(sources, parseSources("[('ibus', 'anthy')]")), std::nullopt);
    EXPECT_EQ(activeLayout(sources, {}), std::nullopt);
}

TEST(DesktopLayoutWatch, FollowsGnomesInputSources)
{
    // GNOME's settings, kept in a file of the test's own that gsettings itself reads and writes.
    QTemporaryDir home;
    const QByteArray savedBackend = qgetenv("GSETTINGS_BACKEND");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    const auto gsettingsSet = [](const char* key, const char* value) {
        QProcess set;
        set.start(QStringLiteral("gsettings"),
                  {QStringLiteral("set"), QStringLiteral("org.gnome.desktop.input-sources"), QString::fromLatin1(key),
                   QString::fromLatin1(value)});
        return set.waitForFinished(5000) && set.exitCode() == 0;
    };
    ASSERT_TRUE(gsettingsSet("sources", "[('xkb', 'us'), ('xkb', 'de+nodeadkeys')]"));
    ASSERT_TRUE(gsettingsSet("mru-sources", "[('xkb', 'de+nodeadkeys'), ('xkb', 'us')]"));

    std::vector<std::uint32_t> layouts;
    std::vector<GnomeInputSources::Keymap> keymaps;
    {
        const auto watch = DesktopLayoutWatch::gnome([&](std::uint32_t index) { layouts.push_back(index); },
                                                     [&](const auto& keymap) { keymaps.push_back(keymap); });
        ASSERT_TRUE(watch);
        ASSERT_TRUE(test::runEventLoopUntil([&] { return !layouts.empty() && !keymaps.empty(); }));
        EXPECT_EQ(keymaps.back(), (GnomeInputSources::Keymap{"us,de", ",nodeadkeys", ""}));
        EXPECT_EQ(layouts.back(), 1u);

        // Super+Space in GNOME: the other source becomes the most recent.
        ASSERT_TRUE(gsettingsSet("mru-sources", "[('xkb', 'us'), ('xkb', 'de+nodeadkeys')]"));
        EXPECT_TRUE(test::runEventLoopUntil([&] { return layouts.back() == 0u; }));
        ASSERT_TRUE(gsettingsSet("xkb-options", "['grp:alt_shift_toggle']"));
        EXPECT_TRUE(test::runEventLoopUntil([&] { return keymaps.back().options == "grp:alt_shift_toggle"; }));
    }
    for (const auto& [name, saved] :
         {std::pair{"GSETTINGS_BACKEND", savedBackend}, std::pair{"XDG_CONFIG_HOME", savedConfig}}) {
        if (saved.isNull())
            qunsetenv(name);
        else
            qputenv(name, saved);
    }
}

} // namespace
} // namespace kestrel
