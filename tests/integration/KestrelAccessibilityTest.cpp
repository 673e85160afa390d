// Kestrel's windows worked through the accessibility bus, as a screen reader works them: every
// control found by its role and name, activated by its default action, and judged by the
// preference it stands for.

#include "integration/KestrelAppFixture.h"
#include "support/a11y/AccessibilityBus.h"

#include <gmock/gmock.h>

namespace kestrel::test {
namespace {

using ::testing::HasSubstr;

class KestrelAccessibilityTest : public KestrelAppTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(KestrelAppTest::SetUp());
        const QString runtime = config.path() + "/runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        bus = std::make_unique<AccessibilityBus>(server.display(), runtime);
        ASSERT_TRUE(bus->isRunning()) << bus->error();
        // A desktop with its accessibility switched on, as a screen reader's user has it.
        ASSERT_TRUE(bus->setEnabled(true));
        extraEnvironment[QStringLiteral("DBUS_SESSION_BUS_ADDRESS")] = bus->sessionBusAddress();
    }

    void TearDown() override
    {
        reader.reset();
        stop();
        bus.reset();
        KestrelAppTest::TearDown();
    }

    void openSettings()
    {
        ASSERT_NO_FATAL_FAILURE(launch({"--settings"}));
        reader = std::make_unique<ScreenReader>(kestrel.processId(), server.display(), bus->sessionBusAddress());
        ASSERT_TRUE(reader->isReady()) << "Kestrel is not on the accessibility bus";
    }

    // Performs the control's default action; the action's name, or what went wrong.
    std::string act(const QString& role, const QString& name)
    {
        return reader->ask({"act", role, name}).join(u' ').toStdString();
    }

    // Waits until the control's states include `state` (or, with `present` false, until they
    // do not), for as long as the program could take to report it.
    bool awaitState(const QString& role, const QString& name, const QString& state, bool present = true)
    {
        return runEventLoopUntil([&] { return reader->ask({"states", role, name}).contains(state) == present; }, 5s);
    }

    // Chooses `steps` entries further down in a combo box, as a screen reader's user does: its
    // default action opens the list, the arrow keys move in it and Return takes the entry.
    void choose(const QString& combo, const QString& current, int steps = 1)
    {
        ASSERT_EQ(act("combo box", combo), "did ShowMenu") << reader->tree();
        // The list has the keyboard once its current entry has the focus.
        ASSERT_TRUE(awaitState("list item", current, "focused")) << reader->tree();
        for (int step = 0; step < steps; ++step)
            input.tap(down);
        input.tap(returnKey);
    }

    std::unique_ptr<AccessibilityBus> bus;
    std::unique_ptr<ScreenReader> reader;
};

TEST_F(KestrelAccessibilityTest, GeneralsSwitchesAndListWorkAndReportTheirStates)
{
    writePreferences(R"({"showClicksAndScrolling": true})");
    ASSERT_NO_FATAL_FAILURE(openSettings());
    ASSERT_TRUE(awaitState("list item", "General", "selected")) << reader->tree();
    ASSERT_TRUE(awaitState("check box", "Mouse", "checked")) << reader->tree();
    EXPECT_TRUE(awaitState("check box", "Show ⇧ for Capital Letters", "checked", false));

    EXPECT_EQ(act("check box", "Mouse"), "did Toggle");
    EXPECT_THAT(awaitSaved(R"("showClicksAndScrolling": false)"), HasSubstr(R"("showClicksAndScrolling": false)"));
    EXPECT_TRUE(awaitState("check box", "Mouse", "checked", false)) << "the switch says it is off";
    EXPECT_EQ(act("check box", "Show ⇧ for Capital Letters"), "did Toggle");
    EXPECT_THAT(awaitSaved(R"("showShiftWithCapitals": true)"), HasSubstr(R"("showShiftWithCapitals": true)"));
    EXPECT_TRUE(awaitState("check box", "Show ⇧ for Capital Letters", "checked"));

    // Switching keys off stops them; the switch follows.
    EXPECT_EQ(act("check box", "Show Keys on Screen"), "did Toggle");
    EXPECT_THAT(awaitSaved(R"("showKeystrokes": false)"), HasSubstr(R"("showKeystrokes": false)"));
    EXPECT_TRUE(awaitState("check box", "Show Keys on Screen", "checked", false));

    ASSERT_NO_FATAL_FAILURE(choose("All Keys", "All Keys"));
    EXPECT_THAT(awaitSaved(R"("displayMode": "shortcutsOnly")"), HasSubstr(R"("displayMode": "shortcutsOnly")"));
    EXPECT_EQ(reader->ask({"find", "combo box", "Special Keys Only"}).value(0), "found") << reader->tree();
    // Special keys only: capitals are not shown, so their switch is off limits.
    EXPECT_TRUE(awaitState("check box", "Show ⇧ for Capital Letters", "enabled", false));
}

TEST_F(KestrelAccessibilityTest, AppearanceAndDisplaysChoicesAreMadeByTheDefaultActions)
{
    ASSERT_NO_FATAL_FAILURE(openSettings());
    EXPECT_EQ(act("list item", "Appearance"), "did Toggle");
    ASSERT_EQ(reader->ask({"find", "label", "Appearance"}).value(0), "found") << reader->tree();
    EXPECT_TRUE(awaitState("list item", "Appearance", "selected"));

    // A colour swatch: chosen by its action, and chosen it stays when acted on again.
    EXPECT_EQ(act("radio button", "Blue"), "did Toggle");
    EXPECT_THAT(awaitSaved(R"("keyColor": "blue")"), HasSubstr(R"("keyColor": "blue")"));
    EXPECT_TRUE(awaitState("radio button", "Blue", "checked"));
    EXPECT_TRUE(awaitState("radio button", "Dark", "checked", false));
    EXPECT_EQ(act("radio button", "Blue"), "did Toggle");
    EXPECT_TRUE(awaitState("radio button", "Blue", "checked"));
    EXPECT_THAT(awaitSaved(R"("keyColor": "blue")"), HasSubstr(R"("keyColor": "blue")"));

    ASSERT_NO_FATAL_FAILURE(choose("Medium", "Medium"));
    EXPECT_THAT(awaitSaved(R"("overlaySize": "large")"), HasSubstr(R"("overlaySize": "large")"));

    // The duration slider is worked through its value, half-seconds from one.
    EXPECT_EQ(reader->ask({"value", "slider", "Display Duration"}).value(1), "3.0") << "1.5 s: the third stop";
    EXPECT_EQ(reader->ask({"value", "slider", "Display Duration", "7"}).value(1), "7.0");
    EXPECT_THAT(awaitSaved(R"("displayDuration": 3.5)"), HasSubstr(R"("displayDuration": 3.5)"));
    EXPECT_EQ(reader->ask({"find", "label", "3.5s"}).value(0), "found") << reader->tree();

    EXPECT_EQ(act("list item", "Displays"), "did Toggle");
    ASSERT_NO_FATAL_FAILURE(choose("Bottom Center", "Bottom Center"));
    EXPECT_THAT(awaitSaved(R"("overlayPosition": "bottomRight")"), HasSubstr(R"("overlayPosition": "bottomRight")"));
}

TEST_F(KestrelAccessibilityTest, InGermanTheWindowReadsInGermanAndItsControlsStillWork)
{
    extraEnvironment[QStringLiteral("LANGUAGE")] = QStringLiteral("de");
    ASSERT_NO_FATAL_FAILURE(openSettings());
    ASSERT_EQ(reader->ask({"find", "list item", "Allgemein"}).value(0), "found") << reader->tree();
    EXPECT_TRUE(awaitState("list item", "Allgemein", "selected"));
    EXPECT_EQ(act("list item", "Erscheinungsbild"), "did Toggle");
    EXPECT_EQ(act("radio button", "Blau"), "did Toggle") << reader->tree();
    EXPECT_THAT(awaitSaved(R"("keyColor": "blue")"), HasSubstr(R"("keyColor": "blue")"));
}

} // namespace
} // namespace kestrel::test
