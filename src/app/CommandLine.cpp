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
    UiText help;
};

// Each request with its option, its word on the instance socket and its line in --help.
constexpr std::array<RequestOption, 4> requestOptions{{
    {LaunchRequest::start, "", "start", {}},
    {LaunchRequest::settings, "--settings", "settings",
     KESTREL_TEXT("CommandLine", "open the settings window, starting Kestrel if needed")},
    {LaunchRequest::toggle, "--toggle", "toggle",
     KESTREL_TEXT("CommandLine", "show keys on screen, or stop showing them (like the hot key)")},
    {LaunchRequest::quit, "--quit", "quit", KESTREL_TEXT("CommandLine", "quit the running Kestrel")},
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
                line.error =
                    KESTREL_TEXT("CommandLine", "choose one of --settings, --toggle and --quit. Try kestrel --help.");
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
        if (line.error.isEmpty())
            line.error = {argument.starts_with("-")
                              ? KESTREL_TEXT("CommandLine", "unknown option %1. Try kestrel --help.")
                              : KESTREL_TEXT("CommandLine", "unexpected argument %1. Try kestrel --help."),
                          {argument}};
    }
    return line;
}

CommandLine::Help CommandLine::help(std::string_view programName)
{
    Help help{.usage = {KESTREL_TEXT("CommandLine", "Usage: %1 [option]"), {std::string(programName)}},
              .summary = KESTREL_TEXT("CommandLine", "Shows the keys you press as keycaps on screen. Without an "
                                                     "option, starts Kestrel,\nor opens the settings window of the "
                                                     "Kestrel already running."),
              .optionsHeading = KESTREL_TEXT("CommandLine", "Options:"),
              .options = {}};
    for (const auto& option : requestOptions) {
        if (!option.option.empty())
            help.options.emplace_back(option.option, option.help);
    }
    help.options.emplace_back("--version", KESTREL_TEXT("CommandLine", "print the version and exit"));
    help.options.emplace_back("--help", KESTREL_TEXT("CommandLine", "print this help and exit"));
    return help;
}

std::string CommandLine::helpText(const Help& help, const std::function<std::string(const UiMessage&)>& translate)
{
    std::size_t widest = 0;
    for (const auto& [option, description] : help.options)
        widest = std::max(widest, option.size());
    std::string text =
        translate(help.usage) + "\n" + translate(help.summary) + "\n\n" + translate(help.optionsHeading) + "\n";
    for (const auto& [option, description] : help.options)
        text +=
            "  " + std::string(option) + std::string(widest + 2 - option.size(), ' ') + translate(description) + "\n";
    return text;
}

} // namespace kestrel
