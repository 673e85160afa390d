#include "input/EventRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel {
namespace {

std::vector<Modifier> members(ModifierSet set)
{
    return {set.begin(), set.end()};
}

TEST(EventRecords, ModifierSetReadsOnlyTheFourModifierBits)
{
    EXPECT_EQ(members(modifierSet(0x20000 | 0x80000 | 0x100000)),
              (std::vector<Modifier>{Modifier::option, Modifier::shift, Modifier::command}));
    EXPECT_TRUE(modifierSet(0x10000).empty()) << "caps lock is not a modifier";
    EXPECT_TRUE(modifierSet(0).empty());
    EXPECT_EQ(modifierSet(~std::uint64_t{0}).size(), 4);
    EXPECT_EQ(modifierSet(0x40000), (ModifierSet{Modifier::control}));
    // Device-dependent low bits (left/right Shift, Command…) and the numeric-pad bit add nothing.
    EXPECT_EQ(modifierSet(0x100000 | 0x8 | 0x200000), (ModifierSet{Modifier::command}));
}

TEST(EventRecords, ModifierSetsIterateInDisplayOrderWhateverTheInsertionOrder)
{
    ModifierSet set;
    set.insert(Modifier::command);
    set.insert(Modifier::shift);
    set.insert(Modifier::control);
    EXPECT_EQ(members(set), (std::vector<Modifier>{Modifier::control, Modifier::shift, Modifier::command}));

    set.erase(Modifier::shift);
    EXPECT_EQ(describe(set), "{control, command}");
    EXPECT_FALSE(set.contains(Modifier::shift));
    EXPECT_EQ(members(ModifierSet{Modifier::option, Modifier::control}),
              (std::vector<Modifier>{Modifier::control, Modifier::option}));
}

TEST(EventRecords, ModifiersHaveTheirSymbolsAndCaptions)
{
    std::string symbols;
    for (Modifier modifier : allModifiers)
        symbols += symbol(modifier);
    EXPECT_EQ(symbols, "⌃⌥⇧⌘");
    EXPECT_EQ(caption(Modifier::option), "option");
    for (Modifier modifier : allModifiers)
        EXPECT_EQ(modifierSet(flagBit(modifier)), ModifierSet{modifier});
}

} // namespace
} // namespace kestrel
