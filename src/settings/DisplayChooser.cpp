#include "settings/DisplayChooser.h"

#include <algorithm>

namespace kestrel {

std::vector<ConnectedDisplay> connectedDisplays(const std::vector<Screen>& screens)
{
    std::vector<ConnectedDisplay> displays;
    for (const Screen& screen : screens) {
        if (screen.displayIdentity && !screen.displayIdentity->empty())
            displays.push_back({*screen.displayIdentity, screen.name});
    }
    return displays;
}

DisplayChooser DisplayChooser::build(const std::vector<ConnectedDisplay>& connected, const std::string& stored)
{
    DisplayChooser chooser;
    chooser.selectedValue = stored;
    chooser.items.push_back({.title = pointerTitle});
    if (connected.size() >= 2 || !stored.empty()) {
        chooser.items.push_back({.isDivider = true});
        for (const auto& display : connected)
            chooser.items.push_back({.name = display.name, .value = display.id});
    }
    chooser.isDisconnected = !stored.empty() && std::none_of(connected.begin(), connected.end(),
                                                             [&](const auto& display) { return display.id == stored; });
    if (chooser.isDisconnected)
        chooser.items.push_back({.title = disconnectedTitle, .value = stored});
    chooser.isEnabled = connected.size() >= 2 || !stored.empty();
    return chooser;
}

} // namespace kestrel
