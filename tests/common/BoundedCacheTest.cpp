#include "common/BoundedCache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrel {
namespace {

std::vector<int> keysOf(const BoundedCache<int, std::string>& cache)
{
    std::vector<int> keys;
    cache.forEach([&](int key, const std::string&) { keys.push_back(key); });
    return keys;
}

TEST(BoundedCache, TheLeastRecentlyUsedGoesToKeepWithinTheBudget)
{
    std::vector<std::pair<int, std::string>> given;
    BoundedCache<int, std::string> cache(100,
                                         [&](const int& key, std::string& value) { given.emplace_back(key, value); });
    cache.insert(1, "one", 40);
    cache.insert(2, "two", 40);
    ASSERT_NE(cache.find(1), nullptr); // 2 is now the least recently used
    cache.insert(3, "three", 40);

    EXPECT_EQ(keysOf(cache), (std::vector<int>{3, 1}));
    EXPECT_EQ(cache.bytes(), 80u);
    EXPECT_EQ(cache.find(2), nullptr);
    EXPECT_EQ(given, (std::vector<std::pair<int, std::string>>{{2, "two"}}));

    // Replacing a value charges its new cost once; erasing and clearing tell no one.
    cache.insert(1, "uno", 10);
    EXPECT_EQ(cache.bytes(), 50u);
    EXPECT_EQ(*cache.find(1), "uno");
    cache.erase(3);
    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_EQ(cache.bytes(), 0u);
    EXPECT_EQ(given.size(), 1u);
}

TEST(BoundedCache, ASmallerBudgetLetsTheLeastRecentlyUsedGoAtOnce)
{
    std::vector<int> given;
    BoundedCache<int, std::string> cache(100, [&](const int& key, std::string&) { given.push_back(key); });
    cache.insert(1, "one", 30);
    cache.insert(2, "two", 30);
    cache.insert(3, "three", 30);
    ASSERT_NE(cache.find(1), nullptr);
    cache.setBudget(60);
    EXPECT_EQ(keysOf(cache), (std::vector<int>{1, 3}));
    EXPECT_EQ(given, std::vector<int>{2});
    // Never the last one: a reference to it stays good.
    cache.setBudget(1);
    EXPECT_EQ(keysOf(cache), std::vector<int>{1});
    EXPECT_EQ(cache.bytes(), 30u);
}

TEST(BoundedCache, AValueLargerThanTheBudgetStaysAloneUntilTheNextOne)
{
    BoundedCache<int, std::string> cache(100);
    cache.insert(1, "small", 10);
    const std::string& large = cache.insert(2, "large", 500);
    EXPECT_EQ(large, "large");
    EXPECT_EQ(keysOf(cache), (std::vector<int>{2}));

    cache.insert(3, "next", 10);
    EXPECT_EQ(keysOf(cache), (std::vector<int>{3}));
    EXPECT_EQ(cache.bytes(), 10u);
}

TEST(BoundedCache, CyclingThroughManyMoreValuesThanFitNeverExceedsTheBudget)
{
    std::size_t evictions = 0;
    BoundedCache<int, std::string> cache(1000, [&](const int&, std::string&) { ++evictions; });
    std::size_t inserts = 0;
    for (int round = 0; round < 50; ++round) {
        for (int key = 0; key < 40; ++key) {
            const auto cost = static_cast<std::size_t>(10 + (key * 37 + round) % 90);
            if (!cache.find(key)) {
                cache.insert(key, std::to_string(key), cost);
                ++inserts;
            }
            EXPECT_LE(cache.bytes(), cache.budget());
        }
    }
    // Every value stored is either still there or was given back.
    EXPECT_GT(evictions, 0u);
    EXPECT_EQ(inserts, cache.size() + evictions);
}

} // namespace
} // namespace kestrel
