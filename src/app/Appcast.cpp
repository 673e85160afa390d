#include "app/Appcast.h"

namespace kestrel {

std::optional<AppcastItem> newestUpdate(const std::vector<AppcastItem>& items, const Version& current)
{
    std::optional<AppcastItem> newest;
    std::optional<Version> newestVersion;
    for (const auto& item : items) {
        const auto version = Version::parse(item.version);
        if (!version || *version <= current || item.enclosureURL.empty())
            continue;
        if (!newestVersion || *version > *newestVersion) {
            newest = item;
            newestVersion = version;
        }
    }
    return newest;
}

bool hasReadableVersion(const std::vector<AppcastItem>& items)
{
    for (const auto& item : items) {
        if (Version::parse(item.version))
            return true;
    }
    return false;
}

} // namespace kestrel
