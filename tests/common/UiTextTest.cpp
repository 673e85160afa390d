#include "common/UiText.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(UiText, PlacesAreFilledInTheTextsOwnOrderAndOnlyOnce)
{
    // A translation may put the places in another order.
    EXPECT_EQ(fillPlaces("%2 – %1", {"one", "two"}), "two – one");
    // What an argument brings is not read for places again.
    EXPECT_EQ(fillPlaces("%1 and %2", {"50%2", "x"}), "50%2 and x");
    // A place with no argument, a lone % and %0 stay as written.
    EXPECT_EQ(fillPlaces("%1% of %3, %0", {"90"}), "90% of %3, %0");
    EXPECT_EQ(fillPlaces("%", {}), "%");

    const UiMessage quit{KESTREL_TEXT("MenuPanel", "Quit %1"), {"Falke"}};
    EXPECT_EQ(quit.english(), "Quit Falke");
    EXPECT_FALSE(quit.isEmpty());
    EXPECT_TRUE(UiMessage{}.isEmpty());
    EXPECT_NE(quit, (UiMessage{KESTREL_TEXT("Other", "Quit %1"), {"Falke"}})) << "the context tells texts apart";

    // A message may stand in another's place, as why something failed.
    const UiMessage why{KESTREL_TEXT("Updates", "the server answered HTTP %1"), {"500"}};
    const UiMessage failed{KESTREL_TEXT("Updates", "Kestrel could not check for updates: %1"), {why}};
    EXPECT_EQ(failed.english(), "Kestrel could not check for updates: the server answered HTTP 500");
    EXPECT_NE(failed, (UiMessage{failed.text, {why.english()}})) << "a message is not the same as its words";
    EXPECT_EQ(verbatim("50% done").english(), "50% done") << "a system's text is shown as it is";
}

} // namespace
} // namespace kestrel
