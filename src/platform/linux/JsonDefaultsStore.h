#pragma once

#include "common/Observable.h"
#include "common/UiText.h"
#include "platform/DefaultsStore.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// The preferences file, $XDG_CONFIG_HOME/kestrel/preferences.json: one JSON object whose
// members are the keys. Every set rewrites the file atomically (temporary file, flush,
// rename), keeping the file's permissions (0600 for a new one), so a crash leaves either the
// old file or the new one, never half of one. Before each access the file's identity is
// checked, so a change made by another process (a second Kestrel, an editor) is picked up on
// the next read and merged into the next write. Members Kestrel does not understand are kept.
//
// What cannot be trusted is never destroyed:
// - A file that was read whole and does not parse reads as empty and is moved aside to
//   preferences.json.broken (beside the file a symbolic link points to) before the next write.
// - A file that cannot be read (no permission, an I/O error, not a regular file, too large)
//   is left exactly as it is: reads keep the values last read, a set keeps its value in
//   memory only and reports that it was not saved, and every access tries to read again.
// Values that could not be saved are written with the next write that succeeds.
class JsonDefaultsStore final : public DefaultsStore {
public:
    // What the file holds, as its messages name it: the preferences, or Kestrel's own state
    // (window frames, what onboarding has shown), which is kept the same way.
    enum class Contents { preferences, state };

    // An empty path keeps everything in memory.
    // A read looks at the file again only once `recheck` has passed since it last looked (0:
    // at every read), so the many reads of one keystroke cost one look; a set always looks.
    explicit JsonDefaultsStore(std::filesystem::path file, Contents contents = Contents::preferences,
                               std::chrono::milliseconds recheck = std::chrono::milliseconds{0});

    // $XDG_CONFIG_HOME/kestrel/preferences.json, with ~/.config when the variable is unset
    // or not absolute (XDG ignores relative paths there). Empty when there is no home at
    // all: the store then keeps preferences in memory only.
    static std::filesystem::path defaultPath();
    static std::filesystem::path defaultPathFor(const char* xdgConfigHome, const char* home);

    const std::filesystem::path& path() const { return m_path; }

    std::optional<DefaultsValue> object(std::string_view key) const override;
    // False when the file could not be written; the value still reads back from memory.
    // Numbers that are not finite and text that is not UTF-8 have no JSON form and are refused.
    bool set(std::string_view key, DefaultsValue value) override;

    // What is wrong with the file, in words for the user; empty while all is well. It changes
    // when a trouble starts or ends, not at every access, so observers tell the user once.
    const Observable<UiMessage>& problem() const { return m_problem; }

private:
    // Identity (device, inode) catches replacement by rename; size and modification time
    // catch editing in place; mode and owner catch a file made unreadable after it was read.
    struct FileStamp {
        bool exists = false;
        std::uintmax_t device = 0;
        std::uintmax_t inode = 0;
        std::intmax_t size = 0;
        std::intmax_t modifiedNs = 0;
        std::uintmax_t mode = 0;
        std::uintmax_t owner = 0;
        std::uintmax_t group = 0;
        bool operator==(const FileStamp&) const = default;
    };
    enum class Trouble { none, unreadable, unsaved, setAside };

    void reloadIfChanged() const;
    void takeValues(nlohmann::json values) const;
    void markUnreadable(UiMessage reason) const;
    void report(Trouble trouble, UiMessage message) const;
    bool moveBrokenFileAside();
    // The stamp of the written file is taken before it replaces the old one, so a write by
    // another process right after ours is still seen as a change. Errors come as errno.
    struct Written {
        std::optional<FileStamp> stamp;
        int error = 0;
    };
    static Written writeFile(const std::filesystem::path& target, std::string_view contents);

    std::filesystem::path m_path;
    Contents m_contents;
    std::chrono::milliseconds m_recheck;
    mutable std::optional<std::chrono::steady_clock::time_point> m_lastLook;
    // Refreshed from the file on access, hence mutable behind the const readers.
    mutable nlohmann::json m_values = nlohmann::json::object();
    // Values set since the last successful write: they survive re-reading the file.
    nlohmann::json m_unsaved = nlohmann::json::object();
    // The stamp of the last file read whole; none after a failed read, so the next access reads again.
    mutable std::optional<FileStamp> m_stamp;
    mutable bool m_fileIsBroken = false;
    mutable bool m_fileIsUnreadable = false;
    mutable Trouble m_trouble = Trouble::none;
    mutable Observable<UiMessage> m_problem;
};

} // namespace kestrel
