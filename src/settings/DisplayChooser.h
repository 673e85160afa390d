#pragma once

#include "common/UiText.h"
#include "platform/ScreenService.h"

#include <string>
#include <vector>

namespace kestrel {

// A screen the overlay can be put on, by the identity the overlay matches it with.
struct ConnectedDisplay {
    std::string id;
    std::string name;
    bool operator==(const ConnectedDisplay&) const = default;
};

// The connected screens in the system's order; a screen without an identity is left out.
std::vector<ConnectedDisplay> connectedDisplays(const std::vector<Screen>& screens);

// The "Show On" picker of the Displays settings: "Screen with Pointer", then (with two
// screens or more, or a display chosen) every connected screen, then "Disconnected Display"
// while the chosen one is absent. Choosing writes the item's value to "overlayDisplay"; the
// identity of an absent display is kept until it comes back.
struct DisplayChooser {
    // An item is titled by a text to translate or by a screen's own name, shown as it is.
    struct Item {
        UiText title;
        std::string name;
        std::string value;
        bool isDivider = false;
        bool operator==(const Item&) const = default;
    };

    std::vector<Item> items;
    bool isEnabled = true;
    bool isDisconnected = false; // the stored display is not connected: the footer says so
    std::string selectedValue;

    static DisplayChooser build(const std::vector<ConnectedDisplay>& connected, const std::string& stored);
    static constexpr UiText pointerTitle = KESTREL_TEXT("Displays", "Screen with Pointer");
    static constexpr UiText disconnectedTitle = KESTREL_TEXT("Displays", "Disconnected Display");
    static constexpr UiText disconnectedFooter = KESTREL_TEXT(
        "Displays", "That display is disconnected. Keys appear on the screen with the pointer until it's back");
};

} // namespace kestrel
