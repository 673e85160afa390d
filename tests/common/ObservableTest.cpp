#include "common/Observable.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel {
namespace {

TEST(Observable, NotifiesOnlyRealChanges)
{
    Observable<bool> running{false};
    std::vector<bool> heard;
    running.subscribe([&](bool value) { heard.push_back(value); });

    running = false;
    running = true;
    running = true;
    running = false;

    EXPECT_EQ(heard, (std::vector<bool>{true, false}));
    EXPECT_FALSE(running.get());
}

TEST(Observable, ObserversMayUnsubscribeAndSubscribeWhileNotified)
{
    Observable<int> value{0};
    std::vector<std::string> heard;
    Observable<int>::Subscription first = 0;
    first = value.subscribe([&](int v) {
        heard.push_back("first " + std::to_string(v));
        value.unsubscribe(first);
        value.subscribe([&](int w) { heard.push_back("late " + std::to_string(w)); });
    });
    value.subscribe([&](int v) { heard.push_back("second " + std::to_string(v)); });

    value = 1;
    value = 2;

    EXPECT_EQ(heard, (std::vector<std::string>{"first 1", "second 1", "second 2", "late 2"}));
}

} // namespace
} // namespace kestrel
