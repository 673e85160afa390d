#include "app/VersionComparison.h"

#include <gtest/gtest.h>

#include <string_view>

namespace kestrel {
namespace {

struct OrderedPair {
    std::string_view older;
    std::string_view newer;
};

TEST(VersionComparison, OrdersVersionsAsUpdateFeedsMeanThem)
{
    constexpr OrderedPair pairs[] = {
        {"1.9", "1.10"},
        {"1.2", "1.2.1"},
        {"0.9.9", "1.0"},
        {"1.0-beta", "1.0"},
        {"1.0b1", "1.0"},
        {"1.0rc1", "1.0.0"},
        {"1.0-alpha", "1.0-beta"},
        {"1.0-beta2", "1.0-beta10"},
        {"1.0-beta", "1.0-beta2"},
        {"1.0-beta10", "1.0-rc1"},
        {"1.0~rc1", "1.0"},
        {"2", "10"},
        {"1.0", "1.0.0.1"},
        {"1.0.9", "1.1"},
        {"1.2.3-rc.1", "1.2.3-rc.2"},
        {"1.2.3-1", "1.2.3-a"},
    };
    for (const auto& [older, newer] : pairs) {
        const auto a = Version::parse(older);
        const auto b = Version::parse(newer);
        ASSERT_TRUE(a && b) << older << " / " << newer;
        EXPECT_LT(*a, *b) << older << " < " << newer;
        EXPECT_GT(*b, *a) << newer << " > " << older;
    }
}

TEST(VersionComparison, TreatsSpellingsOfTheSameVersionAsEqual)
{
    constexpr OrderedPair same[] = {
        {"1.2", "1.2.0"}, {"1.2+build7", "1.2"}, {"01.2", "1.2"}, {"1.0-RC1", "1.0-rc1"}, {"1.0-beta", "1.0.beta"},
    };
    for (const auto& [a, b] : same) {
        const auto first = Version::parse(a);
        const auto second = Version::parse(b);
        ASSERT_TRUE(first && second) << a << " / " << b;
        EXPECT_EQ(*first, *second) << a << " == " << b;
    }
}

TEST(VersionComparison, RefusesTextThatIsNotAVersion)
{
    for (const std::string_view text :
         {"", "v1.2", "beta", "1..2", "1.2.", ".1", "1.2 ", "1.2/3", "1,2", "1.2-", "1.2-<script>",
          "99999999999999999999999.1", "1.0000000000000000000000000000000000000000000000000000000000000001"}) {
        EXPECT_FALSE(Version::parse(text).has_value()) << '"' << text << '"';
    }
    EXPECT_TRUE(Version::parse("2.1").has_value());
}

} // namespace
} // namespace kestrel
