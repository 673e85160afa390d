#include "platform/linux/HelpPagePermissionService.h"
#include "platform/x11/X11EventTapService.h"
#include "platform/x11/X11HotKeyService.h"
#include "platform/x11/XcbHeaders.h"

#include "input/GlobalHotKey.h"
#include "input/KeystrokeMonitor.h"
#include "input/MouseMonitor.h"
#include "support/EventLoop.h"
#include "support/FakeShellServices.h"
#include "support/MemoryDefaultsStore.h"
#include "support/Printers.h"
#include "support/x11/XTestDriver.h"
#include "support/x11/XvfbServer.h"

#include <QScopeGuard>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace kestrel::x11 {
namespace {

using namespace std::chrono_literals;
using test::runEventLoop;
using test::runEventLoopUntil;
using x11::XcbPointer;

// Linux evdev codes of the keys the tests press.
enum Evdev : std::uint32_t {
    one = 2,
    y = 21,
    minus = 12,
    returnKey = 28,
    leftControl = 29,
    a = 30,
    k = 37,
    grave = 41,
    leftShift = 42,
    z = 44,
    leftAlt = 56,
    capsLock = 58,
    j = 36, // pressed by no test: the marker that ends a test's input
    f1 = 59,
    keypadEnter = 96,
    insert = 110,
    leftSuper = 125,
};

test::XvfbServer& server()
{
    static test::XvfbServer xvfb;
    return xvfb;
}

class X11InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server().isRunning()) << server().error();
        ASSERT_TRUE(input.isConnected());
        keyboard.onKeyEvent = [this](const KeyEvent& event) { keys.push_back(event); };
        mouse.onMouseEvent = [this](const MouseEvent& event) { mice.push_back(event); };
        keyboard.start();
        mouse.start();
        ASSERT_TRUE(keyboard.isRunning.get());
    }

    // Waits for `count` events, then taps the marker key and waits for its release to come
    // through as well. Keys and buttons reach the listener in order on one connection, so by
    // then any extra event the test's input caused has come too. The marker's own events are
    // taken off again.
    template <typename Events>
    void await(const Events& events, std::size_t count)
    {
        runEventLoopUntil([&] { return events.size() >= count; });
        constexpr std::int64_t markerCode = 38; // j
        input.tap(j);
        const bool through = runEventLoopUntil(
            [&] { return std::find(keys.begin(), keys.end(), KeyEvent(KeyUp{markerCode})) != keys.end(); });
        EXPECT_TRUE(through) << "the marker key never came through";
        std::erase_if(keys, [&](const KeyEvent& event) {
            const auto* down = std::get_if<KeyDown>(&event);
            return event == KeyEvent(KeyUp{markerCode}) || (down && down->info.keyCode == markerCode);
        });
    }

    // Whether no event comes while it is looked for. A running listener has a key within a few
    // milliseconds; half a second is long past that.
    template <typename Events>
    bool noneArrive(const Events& events)
    {
        return !runEventLoopUntil([&] { return !events.empty(); }, 500ms);
    }

    // Switches the server's keyboard layout; the server is shared by every test, so the US
    // layout comes back however the test ends.
    [[nodiscard]] auto setLayout(const std::string& layout)
    {
        const auto set = [](const std::string& name) {
            const std::string command = "setxkbmap -display " + server().display() + " " + name;
            return std::system(command.c_str()) == 0;
        };
        EXPECT_TRUE(set(layout)) << layout;
        return qScopeGuard([set] { set("us"); });
    }

    X11EventTapService taps{server().display()};
    test::MemoryDefaultsStore defaults;
    KeystrokeMonitor keyboard{taps};
    MouseMonitor mouse{taps, defaults};
    test::XTestDriver input{server().display()};
    std::vector<KeyEvent> keys;
    std::vector<MouseEvent> mice;
};

KeyInfo letter(std::int64_t keyCode, std::string symbol)
{
    return KeyInfo{keyCode, std::move(symbol), std::nullopt, false, std::nullopt};
}

TEST_F(X11InputTest, CommandKArrivesInOrder)
{
    input.key(leftSuper, true);
    input.tap(k);
    input.key(leftSuper, false);
    await(keys, 4);
    const std::vector<KeyEvent> expected{ModifiersChanged{{Modifier::command}},
                                         KeyDown{letter(40, "k"), {Modifier::command}, false}, KeyUp{40},
                                         ModifiersChanged{{}}};
    EXPECT_EQ(keys, expected);
}

TEST_F(X11InputTest, CapsLockOnAndOffAndShiftedDigits)
{
    input.tap(capsLock);
    input.tap(capsLock);
    input.key(leftShift, true);
    input.tap(one);
    input.key(leftShift, false);
    await(keys, 6);
    const std::vector<KeyEvent> expected{CapsLockToggled{true},
                                         CapsLockToggled{false},
                                         ModifiersChanged{{Modifier::shift}},
                                         KeyDown{letter(18, "!"), {Modifier::shift}, false},
                                         KeyUp{18},
                                         ModifiersChanged{{}}};
    EXPECT_EQ(keys, expected);
}

TEST_F(X11InputTest, KeysWithoutTextReleaseWithoutAKeyDownAndHeldKeysDoNotRepeat)
{
    input.tap(insert); // no text and no keycap of its own
    input.tap(f1);     // a special key: always shown
    input.key(a, true);
    runEventLoop(700ms); // held past the server's auto-repeat delay, which is a time
    input.key(a, false);
    input.key(a, false); // a duplicate release, as xdotool sends
    await(keys, 5);
    const KeyInfo f1Key{122, "F1", std::nullopt, true, std::nullopt};
    EXPECT_EQ(keys, (std::vector<KeyEvent>{KeyUp{114}, KeyDown{f1Key, {}, false}, KeyUp{122},
                                           KeyDown{letter(0, "a"), {}, false}, KeyUp{0}}));
}

TEST_F(X11InputTest, AGermanLayoutShowsItsOwnLetters)
{
    const auto usAgain = setLayout("de");
    input.tap(y);
    input.tap(z);
    input.tap(minus);
    input.tap(capsLock);
    input.tap(minus);
    input.tap(capsLock);
    input.tap(grave); // a dead key
    await(keys, 11);

    std::vector<std::string> symbols;
    for (const KeyEvent& event : keys) {
        if (const auto* down = std::get_if<KeyDown>(&event))
            symbols.push_back(down->info.symbol);
    }
    EXPECT_EQ(symbols, (std::vector<std::string>{"z", "y", "ß", "SS", "^"}));
}

TEST_F(X11InputTest, ClicksAndScrollsWithTheirModifiers)
{
    input.key(leftSuper, true);
    input.click(3);
    input.key(leftSuper, false);
    for (std::uint8_t button : {4, 5, 6, 7})
        input.click(button);
    input.click(2);
    input.click(8); // side buttons are not shown
    input.click(9);
    await(mice, 8);
    const std::vector<MouseEvent> expected{
        ButtonDown{MouseButton::right, {Modifier::command}},
        ButtonUp{MouseButton::right},
        Scroll{ScrollDirection::up, {}},
        Scroll{ScrollDirection::down, {}},
        Scroll{ScrollDirection::left, {}},
        Scroll{ScrollDirection::right, {}},
        ButtonDown{MouseButton::middle, {}},
        ButtonUp{MouseButton::middle},
    };
    EXPECT_EQ(mice, expected);
}

TEST_F(X11InputTest, ALeftHandedButtonMapShowsTheButtonsMeaning)
{
    input.setButtonMap({3, 2, 1, 4, 5, 6, 7, 8, 9, 10});
    const auto rightHandedAgain = qScopeGuard([&] { input.setButtonMap({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}); });
    input.click(1);
    await(mice, 2);
    EXPECT_EQ(mice, (std::vector<MouseEvent>{ButtonDown{MouseButton::right, {}}, ButtonUp{MouseButton::right}}));
}

TEST(X11HeldAtStart, ModifiersAlreadyDownCountAsHeld)
{
    ASSERT_TRUE(server().isRunning()) << server().error();
    test::XTestDriver input{server().display()};
    input.key(leftSuper, true); // still down from the shortcut that switched Kestrel on
    X11EventTapService taps{server().display()};
    KeystrokeMonitor keyboard{taps};
    std::vector<KeyEvent> keys;
    keyboard.onKeyEvent = [&](const KeyEvent& event) { keys.push_back(event); };
    keyboard.start();
    input.tap(k);
    input.key(leftSuper, false);
    runEventLoopUntil([&] { return keys.size() >= 3; });
    EXPECT_EQ(keys, (std::vector<KeyEvent>{KeyDown{letter(40, "k"), {Modifier::command}, false}, KeyUp{40},
                                           ModifiersChanged{{}}}));
}

TEST_F(X11InputTest, NothingTypedIntoAnotherClientsGrabIsShown)
{
    test::XTestDriver passwordPrompt{server().display()};
    ASSERT_TRUE(passwordPrompt.grabKeyboard());
    input.key(leftShift, true);
    input.tap(a);
    input.key(leftShift, false);
    input.tap(k);
    passwordPrompt.ungrabKeyboard();
    await(keys, 4);
    EXPECT_EQ(keys,
              (std::vector<KeyEvent>{ModifiersChanged{{Modifier::shift}}, KeyUp{0}, ModifiersChanged{{}}, KeyUp{40}}))
        << "modifiers and releases pass, key-downs do not";

    keys.clear();
    input.tap(a);
    await(keys, 2);
    EXPECT_EQ(keys, (std::vector<KeyEvent>{KeyDown{letter(0, "a"), {}, false}, KeyUp{0}})) << "typing works again";
}

TEST_F(X11InputTest, StoppingClosesTheDisplayAndStartingAgainListens)
{
    keyboard.stop();
    mouse.stop();
    input.tap(a);
    EXPECT_TRUE(noneArrive(keys));
    keyboard.start();
    input.tap(a);
    await(keys, 2);
    EXPECT_EQ(keys.size(), 2u);
}

TEST(X11Access, GrantedWithADisplayAndRefusedWithout)
{
    ASSERT_TRUE(server().isRunning()) << server().error();
    test::RecordingWorkspace workspace;
    HelpPagePermissionService granted(workspace, "file:///help.html",
                                      [] { return X11EventTapService::canListen(server().display()); });
    EXPECT_TRUE(granted.isInputMonitoringGranted());
    EXPECT_TRUE(granted.requestInputMonitoring());
    const std::string nowhereDisplay = test::XvfbServer::unusedDisplay();
    ASSERT_FALSE(nowhereDisplay.empty());
    HelpPagePermissionService refused(workspace, "file:///help.html",
                                      [&] { return X11EventTapService::canListen(nowhereDisplay); });
    EXPECT_FALSE(refused.isInputMonitoringGranted());
    EXPECT_FALSE(refused.requestInputMonitoring());
    refused.openSystemSettings(); // there is nobody to ask: Kestrel's help page says what is missing
    EXPECT_EQ(workspace.opened, std::vector<std::string>{"file:///help.html"});
    X11EventTapService nowhere{nowhereDisplay};
    EXPECT_EQ(nowhere.createTap(0x1C00, [](std::uint32_t, const PlatformEvent&) {}), std::nullopt);

    // A display name choosing a screen the server does not have is refused, with the reason.
    const std::string noSuchScreen = server().display() + ".7";
    EXPECT_EQ(X11EventTapService::whyCannotListen(noSuchScreen).english(),
              "the X display " + noSuchScreen + " has no screen 7");
    X11EventTapService wrongScreen{noSuchScreen};
    EXPECT_EQ(wrongScreen.createTap(0x1C00, [](std::uint32_t, const PlatformEvent&) {}), std::nullopt);
    X11HotKeyService hotKeys{noSuchScreen};
    EXPECT_EQ(hotKeys.registerHotKey(ToggleHotKey::keyCode, ToggleHotKey::modifiers, ToggleHotKey::identifier, [] {}),
              std::nullopt);
}

TEST(X11LostDisplay, ReleasesWhatWasHeldAndNeitherCrashesNorSpins)
{
    test::XvfbServer doomed;
    ASSERT_TRUE(doomed.isRunning()) << doomed.error();
    X11EventTapService taps{doomed.display()};
    test::MemoryDefaultsStore defaults;
    KeystrokeMonitor keyboard{taps};
    MouseMonitor mouse{taps, defaults};
    std::vector<KeyEvent> keys;
    std::vector<MouseEvent> mice;
    keyboard.onKeyEvent = [&](const KeyEvent& event) { keys.push_back(event); };
    mouse.onMouseEvent = [&](const MouseEvent& event) { mice.push_back(event); };
    keyboard.start();
    mouse.start();
    {
        test::XTestDriver input{doomed.display()};
        input.key(leftControl, true);
        input.key(a, true);
        input.button(3, true);
    }
    ASSERT_TRUE(runEventLoopUntil([&] { return keys.size() == 2 && mice.size() == 1; }));

    doomed.stop();
    const std::clock_t before = std::clock();
    // A fixed second: the processor time spent over it is what is measured. The releases
    // come within it.
    runEventLoop(1s);
    const double cpuSeconds = static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuSeconds, 0.2) << "waiting for the display must not busy-loop";
    EXPECT_EQ(keys.size(), 4u) << "the held key and the held modifier are let go";
    if (keys.size() == 4u) {
        EXPECT_EQ(keys[2], KeyEvent(KeyUp{0}));
        EXPECT_EQ(keys[3], KeyEvent(ModifiersChanged{{}}));
    }
    EXPECT_EQ(mice, (std::vector<MouseEvent>{ButtonDown{MouseButton::right, {Modifier::control}},
                                             ButtonUp{MouseButton::right}}))
        << "the held button is let go too";
    EXPECT_TRUE(keyboard.isRunning.get()) << "the tap stays on and comes back with the display";
}

// The server's modifier mapping, to change and restore.
class ModifierMapping {
public:
    explicit ModifierMapping(xcb_connection_t* connection) : m_connection(connection)
    {
        const XcbPointer<xcb_get_modifier_mapping_reply_t> reply(
            xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
        if (!reply)
            return;
        perModifier = reply->keycodes_per_modifier;
        const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(reply.get());
        original.assign(keycodes, keycodes + 8 * perModifier);
    }
    void restore() const { set(original); }

    // Row 0 Shift, 1 Lock, 2 Control, 3…7 Mod1…Mod5.
    xcb_keycode_t& at(std::vector<xcb_keycode_t>& map, int row, int column) const
    {
        return map[static_cast<std::size_t>(row * perModifier + column)];
    }
    void set(const std::vector<xcb_keycode_t>& map) const
    {
        std::free(xcb_set_modifier_mapping_reply(
            m_connection, xcb_set_modifier_mapping(m_connection, static_cast<std::uint8_t>(perModifier), map.data()),
            nullptr));
    }

    int perModifier = 0;
    std::vector<xcb_keycode_t> original;

private:
    xcb_connection_t* m_connection;
};

TEST(X11HotKey, FiresOncePerPressOfTheExactCombination)
{
    ASSERT_TRUE(server().isRunning()) << server().error();
    test::XTestDriver input{server().display()};
    X11HotKeyService service{server().display()};
    int presses = 0;
    GlobalHotKey hotKey{service, ToggleHotKey::keyCode, ToggleHotKey::modifiers, [&] { ++presses; }};
    ASSERT_TRUE(hotKey.isRegistered());

    const auto chord = [&](std::initializer_list<std::uint32_t> modifiers, std::uint32_t key, auto hold) {
        for (std::uint32_t modifier : modifiers)
            input.key(modifier, true);
        input.key(key, true);
        runEventLoop(hold); // how long the key is held
        input.key(key, false);
        for (std::uint32_t modifier : modifiers)
            input.key(modifier, false);
    };
    // A second combination, pressed after the keys under test: keys reach the hot keys in
    // order, so once it has fired, whatever those keys were going to do is done.
    int marks = 0;
    GlobalHotKey marker{service, 38 /* J */, ToggleHotKey::modifiers, [&] { ++marks; }};
    ASSERT_TRUE(marker.isRegistered());
    const auto handled = [&] {
        const int before = marks;
        chord({leftControl, leftAlt, leftSuper}, j, 10ms);
        return runEventLoopUntil([&] { return marks > before; });
    };

    chord({leftControl, leftAlt, leftSuper}, returnKey, 10ms);
    ASSERT_TRUE(handled());
    EXPECT_EQ(presses, 1);
    chord({leftControl, leftAlt, leftSuper}, returnKey, 800ms); // held past auto-repeat
    ASSERT_TRUE(handled());
    EXPECT_EQ(presses, 2);
    chord({leftControl, leftAlt}, returnKey, 10ms);
    chord({leftControl, leftAlt, leftSuper}, keypadEnter, 10ms);
    ASSERT_TRUE(handled());
    EXPECT_EQ(presses, 2) << "near misses do nothing";

    // With caps lock on, the shortcut still works.
    input.tap(capsLock);
    chord({leftControl, leftAlt, leftSuper}, returnKey, 10ms);
    input.tap(capsLock);
    ASSERT_TRUE(handled());
    EXPECT_EQ(presses, 3);

    // Super moved to another modifier bit (Mod4 to Mod3): the hot key follows it. The server
    // is shared by every test: its mapping comes back however this test ends.
    xcb_connection_t* connection = xcb_connect(server().display().c_str(), nullptr);
    const auto disconnect = qScopeGuard([&] { xcb_disconnect(connection); });
    const ModifierMapping mapping{connection};
    ASSERT_FALSE(mapping.original.empty());
    const auto restore = qScopeGuard([&] { mapping.restore(); });
    auto moved = mapping.original;
    for (int column = 0; column < mapping.perModifier; ++column)
        std::swap(mapping.at(moved, 5, column), mapping.at(moved, 6, column)); // rows Mod3 and Mod4
    const int regrabs = service.regrabCount();
    mapping.set(moved);
    EXPECT_TRUE(runEventLoopUntil([&] { return service.regrabCount() > regrabs; })) << "no re-grab";
    chord({leftControl, leftAlt, leftSuper}, returnKey, 10ms);
    ASSERT_TRUE(handled());
    EXPECT_EQ(presses, 4);

    // A second program asking for the same combination is refused, and stays silent.
    X11HotKeyService other{server().display()};
    GlobalHotKey taken{other, ToggleHotKey::keyCode, ToggleHotKey::modifiers, [] { FAIL(); }};
    EXPECT_FALSE(taken.isRegistered());
}

class X11HotKeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server().isRunning()) << server().error();
        ASSERT_TRUE(hotKey.isRegistered());
        ASSERT_FALSE(mapping.original.empty());
        service.setWarningHandler([this](const std::string& warning) { warnings.push_back(warning); });
    }
    void TearDown() override
    {
        mapping.restore();
        xcb_disconnect(connection);
    }

    // Presses the combination and waits for it to count.
    void chord()
    {
        const int before = presses;
        input.chord({leftControl, leftAlt, leftSuper}, returnKey);
        EXPECT_TRUE(runEventLoopUntil([&] { return presses > before; })) << "the combination did not count";
    }

    // Changes the modifier mapping and waits for the hot key to grab again under it.
    void changeMapping(const std::vector<xcb_keycode_t>& map)
    {
        const int before = service.regrabCount();
        mapping.set(map);
        EXPECT_TRUE(runEventLoopUntil([&] { return service.regrabCount() > before; })) << "no re-grab";
    }

    test::XTestDriver input{server().display()};
    X11HotKeyService service{server().display()};
    int presses = 0;
    GlobalHotKey hotKey{service, ToggleHotKey::keyCode, ToggleHotKey::modifiers, [this] { ++presses; }};
    xcb_connection_t* connection = xcb_connect(server().display().c_str(), nullptr);
    ModifierMapping mapping{connection};
    std::vector<std::string> warnings;
};

TEST_F(X11HotKeyTest, StillTogglesWithAButtonHeldOrScrollLockOn)
{
    input.button(1, true);
    chord();
    input.button(1, false);
    EXPECT_EQ(presses, 1) << "a held mouse button is no part of the combination";

    // Scroll Lock on Mod3, as some keymaps put it, and locked.
    constexpr xcb_keycode_t scrollLockKeycode = 78;
    auto withScrollLock = mapping.original;
    mapping.at(withScrollLock, 5, 0) = scrollLockKeycode;
    changeMapping(withScrollLock);
    const XcbPointer<xcb_xkb_use_extension_reply_t> xkb(
        xcb_xkb_use_extension_reply(connection, xcb_xkb_use_extension(connection, 1, 0), nullptr));
    ASSERT_TRUE(xkb && xkb->supported);
    const auto lockMod3 = [&](bool on) {
        const XcbPointer<xcb_generic_error_t> error(xcb_request_check(
            connection, xcb_xkb_latch_lock_state_checked(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_MOD_MASK_3,
                                                         on ? XCB_MOD_MASK_3 : 0, 0, 0, 0, 0, 0)));
        ASSERT_FALSE(error);
    };
    lockMod3(true);
    chord();
    lockMod3(false);
    EXPECT_EQ(presses, 2) << "Scroll Lock is no part of the combination";
}

TEST_F(X11HotKeyTest, GrabsAgainOncePerKeymapChangeAndSaysOnceWhenItCannot)
{
    const int before = service.regrabCount();
    const std::string command = "setxkbmap -display " + server().display() + " us";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // setxkbmap waited for the server before it left, and a round trip of the test's own
    // comes after the server has sent every notice of the change: the service, which reads
    // only while the loop runs, finds them all waiting together.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    EXPECT_TRUE(runEventLoopUntil([&] { return service.regrabCount() > before; })) << "no re-grab";
    EXPECT_FALSE(runEventLoopUntil([&] { return service.regrabCount() > before + 1; }, 300ms))
        << "one keymap change, several notices, one re-grab";
    // And the combination counts under the new keymap. (The first keys typed through XTest
    // after the change bring a notice of their own, and one more re-grab.)
    chord();
    EXPECT_EQ(presses, 1);

    // Super moves to Mod3, where another program already holds the combination.
    auto superOnMod3 = mapping.original;
    for (int column = 0; column < mapping.perModifier; ++column)
        std::swap(mapping.at(superOnMod3, 5, column), mapping.at(superOnMod3, 6, column));
    const auto returnKeycode = static_cast<xcb_keycode_t>(returnKey + 8);
    constexpr std::uint16_t elsewhere = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_3;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const XcbPointer<xcb_generic_error_t> refused(
        xcb_request_check(connection, xcb_grab_key_checked(connection, 1, root, elsewhere, returnKeycode,
                                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
    ASSERT_FALSE(refused);
    changeMapping(superOnMod3);
    changeMapping(superOnMod3); // a second change while it is still taken
    ASSERT_EQ(warnings.size(), 1u) << "said once, not at every change";
    EXPECT_NE(warnings[0].find("hot key"), std::string::npos) << warnings[0];

    // The other program lets go; the next change takes the combination back.
    xcb_ungrab_key(connection, returnKeycode, root, elsewhere);
    xcb_flush(connection);
    changeMapping(superOnMod3);
    chord();
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(warnings.size(), 1u);
}

} // namespace
} // namespace kestrel::x11
