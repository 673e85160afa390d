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
    EXPECT_TRUE(withQt.error.empty()) << withQt.error;
    // Asking the same twice is still one request.
    EXPECT_TRUE(CommandLine::parse({"--quit", "--quit"}).error.empty());
}

TEST(CommandLine, NamesWhatItDoesNotUnderstand)
{
    EXPECT_EQ(CommandLine::parse({"--setings"}).error, "unknown option --setings");
    EXPECT_EQ(CommandLine::parse({"-x"}).error, "unknown option -x");
    EXPECT_EQ(CommandLine::parse({"settings"}).error, "unexpected argument settings");
    EXPECT_EQ(CommandLine::parse({"--quit", "--toggle"}).error, "choose one of --settings, --toggle and --quit");
}

TEST(CommandLine, RequestsTravelAsWordsBothWays)
{
    for (const auto request :
         {LaunchRequest::start, LaunchRequest::settings, LaunchRequest::toggle, LaunchRequest::quit})
        EXPECT_EQ(requestFromWord(requestWord(request)), request);
    EXPECT_FALSE(requestFromWord("").has_value());
    EXPECT_FALSE(requestFromWord("Quit").has_value());

    const std::string help = CommandLine::helpText("kestrel");
    for (const char* option : {"--settings", "--toggle", "--quit", "--version", "--help"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
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
    EXPECT_NE(unknown.problem.find("\"libinput\""), std::string::npos);
    EXPECT_TRUE(choose({{"KESTREL_INPUT", "evdev"}}).problem.empty());
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
