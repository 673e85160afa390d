#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// A version as update feeds write it: numeric components separated by dots ("1.10.2"),
// optionally followed by a pre-release suffix ("1.2-beta3", "1.2rc1") and build metadata
// after "+", which does not count. Missing components are zero ("1.2" is "1.2.0").
struct Version {
    std::vector<unsigned long long> release;
    std::string preRelease; // empty for a release

    // Nothing for text that is not a version: empty, no leading digit, an empty component,
    // a component too large, characters outside letters, digits and . - ~ +, or over 64
    // characters.
    static std::optional<Version> parse(std::string_view text);

    // "1.10" > "1.9"; "1.2-beta" < "1.2"; "1.2-beta2" < "1.2-beta10" < "1.2-rc1".
    std::strong_ordering operator<=>(const Version& other) const;
    bool operator==(const Version& other) const { return (*this <=> other) == 0; }
};

} // namespace kestrel
