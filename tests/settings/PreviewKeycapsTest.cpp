#include "settings/PreviewKeycaps.h"

#include "overlay/KeyLabels.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

std::vector<std::string> ids(const std::vector<Keycap>& keycaps)
{
    std::vector<std::string> result;
    for (const auto& keycap : keycaps)
        result.push_back(keycap.id);
    return result;
}

TEST(PreviewKeycaps, ModifiersComeInTheOverlaysOrderThenTheSampleKey)
{
    const auto general = previewKeycaps({Modifier::command, Modifier::shift, Modifier::control}, "A");
    EXPECT_EQ(ids(general), (std::vector<std::string>{"mod-control", "mod-shift", "mod-command", "key-sample"}));
    EXPECT_EQ(general[0].symbol, "⌃");
    EXPECT_EQ(general[1].shape, KeycapShape::shift);
    EXPECT_EQ(general[2].shape, KeycapShape::cmd);
    EXPECT_EQ(general[2].modifier, Modifier::command);
    const Keycap& sample = general[3];
    EXPECT_EQ(sample.symbol, "A");
    EXPECT_EQ(sample.shape, KeycapShape::key);
    EXPECT_FALSE(sample.name || sample.modifier || sample.systemImage || sample.indicatorIsOn || sample.mouse);
    for (const auto& keycap : general)
        EXPECT_FALSE(keycap.isPressed) << keycap.id << ": a preview shows keys at rest";

    EXPECT_EQ(ids(previewKeycaps({Modifier::command, Modifier::control})),
              (std::vector<std::string>{"mod-control", "mod-command"}));
    EXPECT_EQ(ids(previewKeycaps({}, "A")), std::vector<std::string>{"key-sample"});
    EXPECT_TRUE(previewKeycaps({}).empty());
}

TEST(PreviewKeycaps, TheHotKeyReadsLikeItsShortcutInEitherLabelStyle)
{
    const auto hotKey = hotKeyPreviewKeycaps();
    EXPECT_EQ(ids(hotKey), (std::vector<std::string>{"mod-control", "mod-option", "mod-command", "key-36"}));
    std::string symbols;
    for (const auto& keycap : hotKey)
        symbols += keycap.symbol;
    EXPECT_EQ(symbols, "⌃⌥⌘↩");
    EXPECT_EQ(hotKey.back().name, "return");
    EXPECT_EQ(hotKey.back().shape, KeycapShape::shift) << "the wide keycap";
    EXPECT_FALSE(hotKey.back().isPressed);
    // A PC keyboard calls the same key Enter, as it does everywhere else.
    EXPECT_EQ(KeyLabels::styled(hotKey, KeyLabelStyle::pc).back().name, "Enter");
}

} // namespace
} // namespace kestrel
