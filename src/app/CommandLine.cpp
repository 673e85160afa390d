#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kestrel {

namespace {

struct RequestOption {
    LaunchRequest request;
    std::string_view option;
    std::string_view word;
    std::string_view help;
};

// Each request with its option, its word on the instance socket and its line in --help.
constexpr std::array<RequestOption, 4> requestOptions{{
    {LaunchRequest::start, "", "start", ""},
    {LaunchRequest::settings, "--settings", "settings", "open the settings window, starting Kestrel if needed"},
    {LaunchRequest::toggle, "--toggle", "toggle", "show keys on screen, or stop showing them (like the hot key)"},
    {LaunchRequest::quit, "--quit", "quit", "quit the running Kestrel"},
}};

// The options Qt's own parser takes from the command line; the first ones take a value.
constexpr std::size_t qtOptionsWithValueCount = 11;
constexpr std::array<std::string_view, 16> qtOptions{"-display",
                                                     "-platform",
                                                     "-platformpluginpath",
                                                     "-platformtheme",
                                                     "-plugin",
                                                     "-qmljsdebugger",
                                                     "-qwindowgeometry",
                                                     "-qwindowtitle",
                                                     "-qwindowicon",
                                                     "-style",
                                                     "-name",
                                                     "-reverse",
                                                     "-sync",
                                                     "-nograb",
                                                     "-dograb",
                                                     "-widgetcount"};

} // namespace

std::string_view requestWord(LaunchRequest request)
{
    for (const auto& option : requestOptions) {
        if (option.request == request)
            return option.word;
    }
    return {};
}

std::optional<LaunchRequest> requestFromWord(std::string_view word)
{
    for (const auto& option : requestOptions) {
        if (option.word == word)
            return option.request;
    }
    return std::nullopt;
}

CommandLine CommandLine::parse(const std::vector<std::string>& arguments)
{
    CommandLine line;
    bool requestGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.showHelp = true;
            continue;
        }
        if (argument == "--version") {
            line.showVersion = true;
            continue;
        }
        bool matched = false;
        for (const auto& option : requestOptions) {
            if (option.option.empty() || argument != option.option)
                continue;
            if (requestGiven && line.request != option.request)
                line.error = "choose one of --settings, --toggle and --quit";
            line.request = option.request;
            requestGiven = matched = true;
        }
        if (matched)
            continue;
        if (const auto qt = std::ranges::find(qtOptions, argument); qt != qtOptions.end()) {
            if (qt - qtOptions.begin() < static_cast<std::ptrdiff_t>(qtOptionsWithValueCount))
                ++i; // its value
            continue;
        }
        if (line.error.empty())
            line.error = argument.starts_with("-") ? "unknown option " + argument : "unexpected argument " + argument;
    }
    return line;
}

std::string CommandLine::helpText(std::string_view programName)
{
    std::string text = "Usage: " + std::string(programName) +
                       " [option]\n"
                       "Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,\n"
                       "or opens the settings window of the Kestrel already running.\n\nOptions:\n";
    for (const auto& option : requestOptions) {
        if (!option.option.empty())
            text += "  " + std::string(option.option) + std::string(12 - option.option.size(), ' ') +
                    std::string(option.help) + "\n";
    }
    text += "  --version   print the version and exit\n"
            "  --help      print this help and exit\n";
    return text;
}

} // namespace kestrel
