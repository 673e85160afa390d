#include "platform/desktop/GnomeInputSources.h"

#include <algorithm>

namespace kestrel::GnomeInputSources {

namespace {

// The quoted strings of a printed GVariant, in order: 'text' with \' and \\ escapes.
std::vector<std::string> quotedStrings(std::string_view printed)
{
    std::vector<std::string> strings;
    for (std::size_t at = 0; at < printed.size(); ++at) {
        if (printed[at] != '\'' && printed[at] != '"')
            continue;
        const char quote = printed[at];
        std::string text;
        std::size_t end = at + 1;
        for (; end < printed.size() && printed[end] != quote; ++end) {
            if (printed[end] == '\\' && end + 1 < printed.size())
                ++end;
            text += printed[end];
        }
        if (end >= printed.size())
            return {}; // unterminated: not what gsettings prints
        strings.push_back(std::move(text));
        at = end;
    }
    return strings;
}

std::vector<Source> xkbOnly(const std::vector<Source>& sources)
{
    std::vector<Source> xkb;
    std::ranges::copy_if(sources, std::back_inserter(xkb), [](const Source& source) { return source.first == "xkb"; });
    return xkb;
}

} // namespace

std::vector<Source> parseSources(std::string_view printed)
{
    // An empty list prints as "@a(ss) []".
    const auto strings = quotedStrings(printed);
    if (strings.size() % 2 != 0)
        return {};
    std::vector<Source> sources;
    for (std::size_t i = 0; i < strings.size(); i += 2)
        sources.emplace_back(strings[i], strings[i + 1]);
    return sources;
}

std::string parseOptions(std::string_view printed)
{
    std::string options;
    for (const std::string& option : quotedStrings(printed)) {
        if (!options.empty())
            options.push_back(',');
        options.append(option);
    }
    return options;
}

Keymap keymapOf(const std::vector<Source>& sources, const std::string& options)
{
    Keymap keymap{.options = options};
    bool first = true;
    for (const auto& [kind, id] : xkbOnly(sources)) {
        if (!first) {
            keymap.layout.push_back(',');
            keymap.variant.push_back(',');
        }
        first = false;
        const auto plus = id.find('+');
        keymap.layout.append(id, 0, plus);
        if (plus != std::string::npos)
            keymap.variant.append(id, plus + 1);
    }
    // A variant list of only commas means none.
    if (std::ranges::all_of(keymap.variant, [](char c) { return c == ','; }))
        keymap.variant.clear();
    return keymap;
}

std::optional<std::uint32_t> activeLayout(const std::vector<Source>& sources, const std::vector<Source>& recent)
{
    if (recent.empty())
        return std::nullopt;
    const auto xkb = xkbOnly(sources);
    const auto found = std::ranges::find(xkb, recent.front());
    if (found == xkb.end())
        return std::nullopt;
    return static_cast<std::uint32_t>(found - xkb.begin());
}

} // namespace kestrel::GnomeInputSources
