#pragma once

#include "app/VersionComparison.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// One release in an update feed (the appcast form of RSS 2.0): what it is, where its notes
// are, and the package with its length and Ed25519 signature.
struct AppcastItem {
    std::string title;
    std::string version;      // compared with Kestrel's own version
    std::string shortVersion; // shown to the user; the version when the feed gives none
    std::string minimumSystemVersion;
    std::string releaseNotesURL;
    std::string description; // release notes, shown as text
    std::string enclosureURL;
    std::uint64_t enclosureLength = 0;
    std::string enclosureType;
    std::string edSignature; // base64

    bool operator==(const AppcastItem&) const = default;
};

// Which release to offer: the newest whose version reads as a version and is newer than
// `current`, and that has a package to install. Items whose version does not read are
// passed over, never guessed at.
std::optional<AppcastItem> newestUpdate(const std::vector<AppcastItem>& items, const Version& current);

// Whether any item of the feed carries a version Kestrel can read.
bool hasReadableVersion(const std::vector<AppcastItem>& items);

} // namespace kestrel
