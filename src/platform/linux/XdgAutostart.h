#pragma once

#include "platform/LoginItemService.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// What Kestrel reads from a desktop entry file: the [Desktop Entry] group's program and the
// two switches desktops use to turn an autostart entry off.
struct DesktopEntry {
    std::vector<std::string> exec;  // the Exec key split into arguments, field codes kept
    bool hidden = false;            // Hidden=true
    bool autostartDisabled = false; // X-GNOME-Autostart-enabled=false
    bool writtenByKestrel = false;  // carries Kestrel's own mark

    // Nothing when the text has no [Desktop Entry] group. Unknown keys and other groups are
    // ignored; a malformed line is skipped, as desktops do.
    static std::optional<DesktopEntry> parse(std::string_view text);
    // The Exec value that runs `program` with no arguments, with the quoting desktops expect.
    static std::string execValue(const std::filesystem::path& program);
};

// Starting at login through the XDG autostart entry $XDG_CONFIG_HOME/autostart/kestrel.desktop.
// It is on when the entry exists, runs this executable and is not switched off. Kestrel
// writes the entry atomically with a mark of its own, and never overwrites or deletes an
// entry that lacks the mark: that one was written by someone else, who decides about it.
class XdgAutostart final : public LoginItemService {
public:
    // `name` is what the desktop's session settings list the entry as.
    XdgAutostart(std::filesystem::path entry, std::filesystem::path executable, std::string name);
    // The user's entry for the executable running now.
    static XdgAutostart forThisProgram(std::string name);

    bool isEnabled() const override;
    std::string setEnabled(bool enabled) override;

    const std::filesystem::path& path() const { return m_entry; }

private:
    bool runsThisExecutable(const DesktopEntry& entry) const;

    std::filesystem::path m_entry;
    std::filesystem::path m_executable;
    std::string m_name;
};

} // namespace kestrel
