#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kestrel {

// One entry of the tray item's menu, as hosts that show a menu on a right click draw it.
struct TrayMenuEntry {
    enum class Kind { command, toggle, separator };
    int id = 0; // handed back when the entry is clicked; unique, above 0 (0 is the menu itself)
    Kind kind = Kind::command;
    std::string label;
    bool isEnabled = true;
    bool isChecked = false; // toggles only
    bool operator==(const TrayMenuEntry&) const = default;
};

// One size of the tray item's icon: `width` × `height` pixels, row after row, each an ARGB
// word (alpha in the high byte, not premultiplied).
struct IconPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
    bool operator==(const IconPixels&) const = default;
};

// Kestrel's item in a tray that a host of the desktop draws (a StatusNotifier host): the
// icon, its tooltip and its menu, and what the host reports of clicks.
class StatusItemService {
public:
    struct Handlers {
        // A primary click, at the host's place for it in screen pixels.
        std::function<void(int x, int y)> activate;
        // A middle click.
        std::function<void()> secondaryActivate;
        // The menu is about to open: a chance to set fresh entries.
        std::function<void()> menuAboutToShow;
        // An entry was clicked (its id).
        std::function<void(int)> menuEntryClicked;
        // The item was taken up by a host, or lost it.
        std::function<void(bool)> registrationChanged;
    };
    // Makes the item with its handlers; nothing where the desktop has no place for one (no
    // session bus).
    using Maker = std::function<std::unique_ptr<StatusItemService>(Handlers handlers)>;

    virtual ~StatusItemService() = default;

    // Whether a host ran when the item was made (asked once, then).
    virtual bool hadWatcherAtStart() const = 0;
    // Whether a host took the item up.
    virtual bool isRegistered() const = 0;
    // The icon at the sizes the hosts choose from.
    virtual void setIcon(const std::vector<IconPixels>& sizes) = 0;
    virtual void setToolTip(const std::string& title) = 0;
    virtual void setMenu(std::vector<TrayMenuEntry> entries) = 0;
};

} // namespace kestrel
