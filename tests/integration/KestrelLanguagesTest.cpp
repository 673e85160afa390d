// Kestrel in the user's language, as a user meets it: the real program on a private X server,
// the desktop's language set as a desktop sets it.

#include "integration/KestrelAppFixture.h"
#include "support/dbus/FakeWatcher.h"
#include "support/dbus/PrivateBus.h"
#include "support/desktops/TrayHost.h"

namespace kestrel::test {
namespace {

TEST_F(KestrelAppTest, InFrenchTheTraysMenuReadsInFrenchAndItsQuitRowQuits)
{
    PrivateBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    extraEnvironment[QStringLiteral("DBUS_SESSION_BUS_ADDRESS")] = bus.address();
    extraEnvironment[QStringLiteral("LANGUAGE")] = QStringLiteral("fr_FR:fr");
    const QDBusConnection host = QDBusConnection::connectToBus(bus.address(), QStringLiteral("tray-host"));
    {
        FakeWatcher watcher(host);
        ASSERT_TRUE(watcher.isServing());
        start();
        TrayHost bar(host);
        ASSERT_TRUE(bar.awaitKestrel()) << "no item in the tray";
        EXPECT_EQ(bar.menuTextDirection(), QStringLiteral("ltr"));
        EXPECT_FALSE(bar.clickMenuEntry(QStringLiteral("Quit Kestrel"))) << "the menu is in English";
        EXPECT_TRUE(bar.clickMenuEntry(QStringLiteral("Quitter Kestrel"))) << "no Quit row in French";
        EXPECT_TRUE(kestrel.waitForFinished(5000)) << "the row did not quit";
        EXPECT_EQ(kestrel.exitCode(), 0);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("tray-host"));
}

TEST_F(KestrelAppTest, MirroredForARightToLeftLanguageTheTraysMenuReadsRightToLeft)
{
    PrivateBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    extraEnvironment[QStringLiteral("DBUS_SESSION_BUS_ADDRESS")] = bus.address();
    const QDBusConnection host = QDBusConnection::connectToBus(bus.address(), QStringLiteral("tray-host"));
    {
        FakeWatcher watcher(host);
        ASSERT_TRUE(watcher.isServing());
        ASSERT_NO_FATAL_FAILURE(launch({"-reverse"}));
        TrayHost bar(host);
        ASSERT_TRUE(bar.awaitKestrel()) << "no item in the tray";
        EXPECT_EQ(bar.menuTextDirection(), QStringLiteral("rtl"));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("tray-host"));
}

TEST_F(KestrelAppTest, InGermanTheHelpAndWhatGoesWrongReadInGerman)
{
    extraEnvironment[QStringLiteral("LANGUAGE")] = QStringLiteral("de");
    std::string said;
    EXPECT_EQ(launchAgain({"--help"}, &said), 0);
    EXPECT_NE(said.find("Aufruf: kestrel [Option]"), std::string::npos) << said;
    EXPECT_NE(said.find("  --settings  öffnet die Einstellungen"), std::string::npos) << said;
    EXPECT_EQ(launchAgain({"--bogus"}, &said), 2);
    EXPECT_NE(said.find("kestrel: unbekannte Option --bogus. Siehe kestrel --help."), std::string::npos) << said;

    // Said before the application exists: an input source Kestrel does not know, and no
    // Kestrel to quit.
    extraEnvironment[QStringLiteral("KESTREL_INPUT")] = QStringLiteral("libinput");
    EXPECT_EQ(launchAgain({"--quit"}, &said), 1);
    EXPECT_NE(said.find("kestrel: KESTREL_INPUT ist „libinput“, also weder „x11“ noch „evdev“; Kestrel wählt "
                        "stattdessen nach der Sitzung.\nkestrel: Kestrel läuft nicht.\n"),
              std::string::npos)
        << said;
    extraEnvironment.erase(QStringLiteral("KESTREL_INPUT"));

    // Said while running, with the reason translated where it stands: a folder where the
    // preferences file belongs.
    std::filesystem::create_directories(preferencesPath());
    ASSERT_NO_FATAL_FAILURE(launch());
    const std::string unreadable = "kestrel: die Einstellungsdatei " + preferencesPath() +
                                   " lässt sich nicht lesen: sie ist keine gewöhnliche Datei. Kestrel verwendet die "
                                   "zuletzt gelesenen Einstellungen und ändert die Datei nicht.\n";
    EXPECT_TRUE(runEventLoopUntil([&] { return saidTimes(unreadable) == 1; }, 10s)) << errors;
}

} // namespace
} // namespace kestrel::test
