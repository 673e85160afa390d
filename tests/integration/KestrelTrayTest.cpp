// Kestrel in the tray, as a user meets it: the icon in trayer on a private X server, clicked
// through XTest; the panel, the settings window and later launches found by their windows.

#include "integration/KestrelTrayFixture.h"
#include "support/network/HttpsTestServer.h"

#include <QStringList>

#include <optional>
#include <utility>

namespace kestrel::test {
namespace {

TEST_F(KestrelTrayTest, TheIconOpensThePanelUnderItWhoseSwitchStopsKeysAndChangesTheIcon)
{
    ASSERT_NO_FATAL_FAILURE(startInTray());
    const auto iconShowingKeys = pixelsOf(icon);

    clickAt(icon.center());
    const auto panel = awaitTopLevel("Kestrel panel");
    ASSERT_TRUE(panel) << "a click on the icon opens the panel";
    const QRect frame = frameOf(*panel);
    EXPECT_GE(frame.width(), 280) << "280 wide, wider where the PC hot key's text needs it";
    EXPECT_EQ(frame.top(), icon.bottom() + 1) << "directly under the icon";
    EXPECT_TRUE(frame.right() == screenWidth - 1 || std::abs(frame.center().x() - icon.center().x()) <= 1)
        << "centred under the icon, or kept on screen";

    // The switch sits at the right end of the header.
    clickAt(QPoint(frame.right() - 5 - 9 - 14, frame.top() + 5 + 4 + 9));
    EXPECT_TRUE(runEventLoopUntil([&] { return pixelsOf(icon) != iconShowingKeys; }))
        << "the icon shows that keys are off";
    takeBaseline();
    input.tap(a);
    EXPECT_TRUE(nothingShows()) << "no keycap once switched off";

    // Escape closes the panel; the hot key starts again and the icon follows.
    input.tap(1); // Escape
    EXPECT_FALSE(awaitTopLevel("Kestrel panel", false)) << "Escape closes the panel";
    pressHotKey();
    EXPECT_TRUE(runEventLoopUntil([&] { return pixelsOf(icon) == iconShowingKeys; })) << "the icon shows keys on";
}

TEST_F(KestrelTrayTest, ShortcutsOfThePanelOpenTheSettingsAndQuitWithStatusZero)
{
    ASSERT_NO_FATAL_FAILURE(startInTray());
    clickAt(icon.center());
    const auto firstClick = std::chrono::steady_clock::now();
    ASSERT_TRUE(awaitTopLevel("Kestrel panel"));
    input.chord({leftControl}, 51); // Ctrl+,
    const auto settings = awaitTopLevel("General");
    ASSERT_TRUE(settings) << "Ctrl+, opens the settings window";
    EXPECT_FALSE(topLevel("Kestrel panel")) << "the panel went first";
    EXPECT_EQ(frameOf(*settings).width(), 870);

    // A second click on the icon within Qt's double-click interval (400 ms) would be taken
    // for a double click, which opens nothing: a matter of time, so waited out.
    const auto sinceFirstClick = std::chrono::steady_clock::now() - firstClick;
    if (sinceFirstClick < 500ms)
        runEventLoop(std::chrono::duration_cast<std::chrono::milliseconds>(500ms - sinceFirstClick));
    clickAt(icon.center());
    ASSERT_TRUE(awaitTopLevel("Kestrel panel"));
    input.chord({leftControl}, 16); // Ctrl+Q
    ASSERT_TRUE(kestrel.waitForFinished(5000)) << "Quit ends Kestrel";
    EXPECT_EQ(kestrel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kestrel.exitCode(), 0);
}

TEST_F(KestrelTrayTest, LaterLaunchesReachTheRunningKestrel)
{
    ASSERT_NO_FATAL_FAILURE(startInTray());
    // Launched again: the running one opens its settings, the new one leaves at once.
    EXPECT_EQ(launchAgain({}), 0);
    EXPECT_TRUE(awaitTopLevel("General")) << "the running Kestrel opens its settings window";
    EXPECT_EQ(kestrel.state(), QProcess::Running);

    // --toggle stops showing keys, as the hot key does: the icon says so.
    const auto iconShowingKeys = pixelsOf(icon);
    EXPECT_EQ(launchAgain({"--toggle"}), 0);
    EXPECT_TRUE(runEventLoopUntil([&] { return pixelsOf(icon) != iconShowingKeys; })) << "the icon shows keys off";
    takeBaseline();
    // Control, not a letter: the settings window has the keyboard.
    input.tap(leftControl);
    EXPECT_TRUE(nothingShows()) << "keys are off";
    EXPECT_EQ(launchAgain({"--toggle"}), 0);
    EXPECT_TRUE(tapUntilShown(leftControl)) << "and on again";

    EXPECT_EQ(launchAgain({"--quit"}), 0);
    ASSERT_TRUE(kestrel.waitForFinished(5000));
    EXPECT_EQ(kestrel.exitCode(), 0);
    std::string said;
    EXPECT_EQ(launchAgain({"--quit"}, &said), 1) << "nothing left to quit";
    EXPECT_NE(said.find("not running"), std::string::npos) << said;
    EXPECT_EQ(launchAgain({"--bogus"}, &said), 2);
    EXPECT_EQ(launchAgain({"--version"}, &said), 0);
    EXPECT_NE(said.find("Version "), std::string::npos) << said;
}

TEST_F(KestrelTrayTest, AskedToStopByTheSessionKestrelLeavesAsFromItsQuitRow)
{
    ASSERT_NO_FATAL_FAILURE(startInTray());
    EXPECT_EQ(launchAgain({"--settings"}), 0);
    ASSERT_TRUE(awaitTopLevel("General"));
    const std::string socket = config.path().toStdString() + "/runtime/kestrel/instance" + server.display() + ".socket";
    EXPECT_TRUE(std::filesystem::exists(socket));
    kestrel.terminate(); // SIGTERM, as a session ending sends
    ASSERT_TRUE(kestrel.waitForFinished(5000));
    EXPECT_EQ(kestrel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kestrel.exitCode(), 0);
    EXPECT_FALSE(std::filesystem::exists(socket)) << "the instance socket is removed";
    std::ifstream state(config.path().toStdString() + "/state/kestrel/state.json");
    const std::string saved((std::istreambuf_iterator<char>(state)), std::istreambuf_iterator<char>());
    EXPECT_NE(saved.find("settingsWindowFrame"), std::string::npos) << "the open window's frame is kept";
}

TEST_F(KestrelTrayTest, AFeedWithANewerVersionPutsTheDotOnTheIconAndOpensNoWindow)
{
    HttpsTestServer updates;
    ASSERT_TRUE(updates.isListening()) << updates.error().toStdString();
    updates.answer("/appcast.xml",
                   {.body = R"(<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
<channel><item><sparkle:version>99.0</sparkle:version>
<enclosure url="https://example.org/k.deb" length="4" sparkle:edSignature="c2ln"/></item></channel></rss>)"});
    extraEnvironment = {{"KESTREL_UPDATE_FEED", updates.url("/appcast.xml")},
                        {"SSL_CERT_FILE", updates.certificateFile()}};
    ASSERT_NO_FATAL_FAILURE(startInTray());
    const auto withoutDot = pixelsOf(icon);
    // The first scheduled check comes 10 s after start.
    EXPECT_TRUE(runEventLoopUntil([&] { return pixelsOf(icon) != withoutDot; }, 20s)) << "no dot on the icon";
    const auto withDot = pixelsOf(icon);
    // The change is in the top-right corner, where the dot goes.
    for (int y = icon.height() / 2; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width() / 2; ++x) {
            const auto index = static_cast<std::size_t>(y * icon.width() + x);
            EXPECT_EQ(withDot[index], withoutDot[index]) << x << "," << y;
        }
    }
    EXPECT_FALSE(topLevel("Software Update")) << "a scheduled check opens no window";
}

} // namespace
} // namespace kestrel::test
