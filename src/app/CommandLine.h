#pragma once

#include "common/UiText.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel {

// What a launch of `kestrel` asks for. A launch while Kestrel already runs hands its request
// to the running instance, one word on the instance socket.
enum class LaunchRequest {
    start,    // no option: start; the running instance opens its settings window
    settings, // --settings
    toggle,   // --toggle: keys on or off, as the hot key does
    quit,     // --quit
};

std::string_view requestWord(LaunchRequest request);
std::optional<LaunchRequest> requestFromWord(std::string_view word);

struct CommandLine {
    LaunchRequest request = LaunchRequest::start;
    bool showHelp = false;
    bool showVersion = false;
    UiMessage error; // set when the arguments are not understood

    // Arguments without the program name. Qt's own options (-display, -platform and the like)
    // are left to Qt and are not Kestrel's to judge.
    static CommandLine parse(const std::vector<std::string>& arguments);

    // What --help prints: the usage, what Kestrel is, then each option with what it does.
    struct Help {
        UiMessage usage;
        UiText summary;
        UiText optionsHeading;
        std::vector<std::pair<std::string_view, UiText>> options;
    };
    static Help help(std::string_view programName);
    // The help laid out, each text as `translate` gives it: the options' descriptions in a
    // column after the widest option.
    static std::string helpText(const Help& help, const std::function<std::string(const UiMessage&)>& translate);
};

} // namespace kestrel
