#pragma once

#include "platform/DefaultsStore.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <optional>
#include <string_view>

namespace kestrel {

// The preferences file, $XDG_CONFIG_HOME/kestrel/preferences.json: one JSON object whose
// members are the keys. Every set rewrites the file atomically (temporary file, flush,
// rename), so a crash leaves either the old file or the new one, never half of one. Before
// each access the file's identity is checked, so a change made by another process (a second
// Kestrel, an editor) is picked up on the next read and merged into the next write. A file
// that does not parse reads as empty and is moved aside to preferences.json.broken before
// anything overwrites it. Members Kestrel does not understand are kept as they are.
class JsonDefaultsStore final : public DefaultsStore {
public:
    // An empty path keeps everything in memory.
    explicit JsonDefaultsStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/kestrel/preferences.json, with ~/.config when the variable is unset
    // or not absolute (XDG ignores relative paths there). Empty when there is no home at
    // all: the store then keeps preferences in memory only.
    static std::filesystem::path defaultPath();
    static std::filesystem::path defaultPathFor(const char* xdgConfigHome, const char* home);

    const std::filesystem::path& path() const { return m_path; }

    std::optional<DefaultsValue> object(std::string_view key) const override;
    // False when the file could not be written; the value still reads back from memory.
    // Numbers that are not finite have no JSON form and are refused.
    bool set(std::string_view key, DefaultsValue value) override;

private:
    struct FileStamp {
        bool exists = false;
        std::uintmax_t device = 0;
        std::uintmax_t inode = 0;
        std::intmax_t size = 0;
        std::intmax_t modifiedNs = 0;
        bool operator==(const FileStamp&) const = default;
    };

    static FileStamp stampOf(const std::filesystem::path& file);
    static FileStamp stampOf(int fd);
    void reloadIfChanged() const;
    bool moveBrokenFileAside();
    // Returns the stamp of the written file, taken before it replaces the old one, so a
    // write by another process right after ours is still seen as a change.
    std::optional<FileStamp> writeFile(const std::filesystem::path& target, std::string_view contents);

    std::filesystem::path m_path;
    // Refreshed from the file on access, hence mutable behind the const readers.
    mutable nlohmann::json m_values = nlohmann::json::object();
    mutable std::optional<FileStamp> m_stamp;
    mutable bool m_fileIsBroken = false;
};

} // namespace kestrel
