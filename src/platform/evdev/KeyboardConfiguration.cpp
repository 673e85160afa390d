#include "platform/evdev/KeyboardConfiguration.h"

#include <cstdlib>
#include <fstream>

namespace kestrel::evdev {

namespace {

// The value of a shell assignment: unquoted, or in single or double quotes.
std::string unquoted(std::string value)
{
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
        value.pop_back();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

XkbKeyboard::Names systemKeyboardNames(const std::string& path)
{
    XkbKeyboard::Names names;
    // What the user set for xkbcommon comes first.
    if (std::getenv("XKB_DEFAULT_LAYOUT"))
        return names;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        const auto equals = line.find('=');
        if (line.empty() || line.front() == '#' || equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = unquoted(line.substr(equals + 1));
        if (key == "XKBMODEL")
            names.model = value;
        else if (key == "XKBLAYOUT")
            names.layout = value;
        else if (key == "XKBVARIANT")
            names.variant = value;
        else if (key == "XKBOPTIONS")
            names.options = value;
    }
    return names;
}

} // namespace kestrel::evdev
