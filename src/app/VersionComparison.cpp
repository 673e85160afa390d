#include "app/VersionComparison.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace kestrel {

namespace {

constexpr std::size_t maximumLength = 64;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isAllowed(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '~' || c == '+';
}

// A pre-release compares run by run: digits as numbers, letters alphabetically without
// regard to case; a number sorts before letters, and a shorter suffix before a longer one
// that starts the same ("beta" < "beta2").
std::strong_ordering comparePreRelease(std::string_view a, std::string_view b)
{
    auto nextRun = [](std::string_view& text) {
        while (!text.empty() && !std::isalnum(static_cast<unsigned char>(text.front())))
            text.remove_prefix(1); // separators only separate
        std::size_t length = 0;
        const bool digits = !text.empty() && isDigit(text.front());
        while (length < text.size() && std::isalnum(static_cast<unsigned char>(text[length])) &&
               isDigit(text[length]) == digits)
            ++length;
        const auto run = text.substr(0, length);
        text.remove_prefix(length);
        return run;
    };
    for (;;) {
        const auto runA = nextRun(a);
        const auto runB = nextRun(b);
        if (runA.empty() || runB.empty())
            return !runA.empty() <=> !runB.empty(); // the one that goes on is later
        const bool digitsA = isDigit(runA.front());
        const bool digitsB = isDigit(runB.front());
        if (digitsA != digitsB)
            return digitsA ? std::strong_ordering::less : std::strong_ordering::greater;
        std::strong_ordering order = std::strong_ordering::equal;
        if (digitsA) {
            // Compare as numbers of any length: without leading zeros, the longer is larger.
            const auto strip = [](std::string_view run) {
                const auto first = run.find_first_not_of('0');
                return first == std::string_view::npos ? std::string_view() : run.substr(first);
            };
            const auto numberA = strip(runA);
            const auto numberB = strip(runB);
            order = numberA.size() <=> numberB.size();
            if (order == 0)
                order = numberA <=> numberB;
        } else {
            order = std::lexicographical_compare_three_way(
                runA.begin(), runA.end(), runB.begin(), runB.end(), [](char x, char y) {
                    return std::tolower(static_cast<unsigned char>(x)) <=> std::tolower(static_cast<unsigned char>(y));
                });
        }
        if (order != 0)
            return order;
    }
}

} // namespace

std::optional<Version> Version::parse(std::string_view text)
{
    if (text.empty() || text.size() > maximumLength || !isDigit(text.front()) ||
        !std::all_of(text.begin(), text.end(), isAllowed))
        return std::nullopt;
    text = text.substr(0, text.find('+')); // build metadata
    Version version;
    std::size_t position = 0;
    for (;;) {
        unsigned long long component = 0;
        const auto [end, error] = std::from_chars(text.data() + position, text.data() + text.size(), component);
        if (error != std::errc())
            return std::nullopt; // no digits (an empty component) or too large
        version.release.push_back(component);
        position = static_cast<std::size_t>(end - text.data());
        if (position + 1 < text.size() && text[position] == '.' && isDigit(text[position + 1])) {
            ++position;
            continue;
        }
        break;
    }
    std::string_view suffix = text.substr(position);
    // The suffix may start with one separator, but then there must be something after it.
    if (!suffix.empty() && (suffix.front() == '-' || suffix.front() == '~' || suffix.front() == '.')) {
        suffix.remove_prefix(1);
        if (suffix.empty())
            return std::nullopt;
    }
    if (!suffix.empty() && !std::isalnum(static_cast<unsigned char>(suffix.front())))
        return std::nullopt;
    version.preRelease = suffix;
    return version;
}

std::strong_ordering Version::operator<=>(const Version& other) const
{
    const std::size_t count = std::max(release.size(), other.release.size());
    for (std::size_t i = 0; i < count; ++i) {
        const auto a = i < release.size() ? release[i] : 0;
        const auto b = i < other.release.size() ? other.release[i] : 0;
        if (a != b)
            return a <=> b;
    }
    // A release is newer than any of its pre-releases.
    if (preRelease.empty() || other.preRelease.empty())
        return preRelease.empty() <=> other.preRelease.empty();
    return comparePreRelease(preRelease, other.preRelease);
}

} // namespace kestrel
