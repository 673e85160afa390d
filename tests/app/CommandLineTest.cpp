#include "app/CommandLine.h"
#include "app/InputBackend.h"

#include <map>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(CommandLine, ReadsEachRequestAndLeavesQtItsOwnOptions)
{
    EXPECT_EQ(CommandLine::parse({}).request, LaunchRequest::start);
    EXPECT_EQ(CommandLine::parse({"--settings"}).request, LaunchRequest::settings);
    EXPECT_EQ(CommandLine::parse({"--toggle"}).request, LaunchRequest::toggle);
    EXPECT_EQ(CommandLine::parse({"--quit"}).request, LaunchRequest::quit);
    EXPECT_TRUE(CommandLine::parse({"--version"}).showVersion);
    EXPECT_TRUE(CommandLine::parse({"-h"}).showHelp);

    // Qt takes -display and its value; neither is an error of ours.
    const auto withQt = CommandLine::parse({"-display", ":3", "--toggle", "-sync"});
    EXPECT_EQ(withQt.request, LaunchRequest::toggle);
    EXPECT_TRUE(withQt.error.isEmpty()) << withQt.error.english();
    // Asking the same twice is still one request.
    EXPECT_TRUE(CommandLine::parse({"--quit", "--quit"}).error.isEmpty());
}

TEST(CommandLine, NamesWhatItDoesNotUnderstand)
{
    EXPECT_EQ(CommandLine::parse({"--setings"}).error.english(), "unknown option --setings. Try kestrel --help.");
    EXPECT_EQ(CommandLine::parse({"-x"}).error.english(), "unknown option -x. Try kestrel --help.");
    EXPECT_EQ(CommandLine::parse({"settings"}).error.english(), "unexpected argument settings. Try kestrel --help.");
    EXPECT_EQ(CommandLine::parse({"--quit", "--toggle"}).error.english(),
              "choose one of --settings, --toggle and --quit. Try kestrel --help.");
}

TEST(CommandLine, RequestsTravelAsWordsBothWays)
{
    for (const auto request :
         {LaunchRequest::start, LaunchRequest::settings, LaunchRequest::toggle, LaunchRequest::quit})
        EXPECT_EQ(requestFromWord(requestWord(request)), request);
    EXPECT_FALSE(requestFromWord("").has_value());
    EXPECT_FALSE(requestFromWord("Quit").has_value());

    // Every option, its description in one column after the widest, in the language given.
    const std::string help = CommandLine::helpText(CommandLine::help("kestrel"),
                                                   [](const UiMessage& text) { return "<" + text.english() + ">"; });
    for (const char* line :
         {"  --settings  <open the settings window", "  --toggle    <show keys", "  --quit      <quit",
          "  --version   <print the version", "  --help      <print this help"})
        EXPECT_NE(help.find(line), std::string::npos) << line << " in\n" << help;
    EXPECT_EQ(help.rfind("<Usage: kestrel [option]>\n", 0), 0u) << help;
}

TEST(InputBackend, WaylandSessionsReadTheKernelAndKestrelInputDecides)
{
    const auto choose = [](std::map<std::string, std::string> variables) {
        return chooseInputBackend([&](const char* name) -> const char* {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        });
    };
    EXPECT_EQ(choose({}).backend, InputBackend::x11);
    EXPECT_EQ(choose({{"XDG_SESSION_TYPE", "x11"}, {"WAYLAND_DISPLAY", ""}}).backend, InputBackend::x11);
    EXPECT_EQ(choose({{"XDG_SESSION_TYPE", "wayland"}}).backend, InputBackend::evdev);
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}}).backend, InputBackend::evdev);
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"KESTREL_INPUT", "x11"}}).backend, InputBackend::x11);
    EXPECT_EQ(choose({{"KESTREL_INPUT", "evdev"}}).backend, InputBackend::evdev);

    const auto unknown = choose({{"KESTREL_INPUT", "libinput"}, {"XDG_SESSION_TYPE", "wayland"}});
    EXPECT_EQ(unknown.backend, InputBackend::evdev); // as if it were not set
    EXPECT_NE(unknown.problem.english().find("\"libinput\""), std::string::npos);
    EXPECT_TRUE(choose({{"KESTREL_INPUT", "evdev"}}).problem.isEmpty());
}

TEST(DisplayBackend, ALayerShellCompositorRunsKestrelNativelyAndOnlyThenIsAsked)
{
    int asked = 0;
    const auto choose = [&](std::map<std::string, std::string> variables, bool layerShell) {
        return chooseDisplayBackend(
            [&](const char* name) -> const char* {
                const auto found = variables.find(name);
                return found == variables.end() ? nullptr : found->second.c_str();
            },
            [&] {
                ++asked;
                return layerShell;
            });
    };
    EXPECT_EQ(choose({{"DISPLAY", ":0"}}, true), DisplayBackend::x11);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}}, true), DisplayBackend::waylandLayerShell);
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "wayland"}}, true),
              DisplayBackend::waylandLayerShell);
    // GNOME: no layer surfaces, so XWayland.
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, false), DisplayBackend::x11);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "xcb"}}, true), DisplayBackend::x11);
    EXPECT_EQ(asked, 3);
}

} // namespace
} // namespace kestrel
