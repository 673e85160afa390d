#include "overlay/GaussianBlur.h"
#include "overlay/KeycapColors.h"
#include "overlay/KeycapGeometry.h"
#include "overlay/Spring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kestrel {
namespace {

TEST(KeycapGeometry, AKeyAtSize64)
{
    const KeycapGeometry key(64, KeycapShape::key);
    EXPECT_DOUBLE_EQ(key.height, 96);
    EXPECT_NEAR(key.width, 98.01, 0.005);
    const Box label = key.labelArea();
    EXPECT_NEAR(label.x, 10.06, 0.005);
    EXPECT_NEAR(label.y, 3.47, 0.005);
    EXPECT_NEAR(label.width, 77.89, 0.01);
    EXPECT_NEAR(label.height, 68.39, 0.005);
    EXPECT_NEAR(key.sinkDistance(), 4.39, 0.005);
}

TEST(KeycapGeometry, WidthsForEveryShapeAndSize)
{
    struct Row {
        KeycapShape shape;
        double widths[3]; // at 48, 64, 80
    };
    const std::vector<Row> rows{{KeycapShape::key, {73.51, 98.01, 122.51}},
                                {KeycapShape::cmd, {90.51, 120.69, 150.86}},
                                {KeycapShape::shift, {137.14, 182.86, 228.57}},
                                {KeycapShape::space, {238.63, 318.17, 397.71}}};
    for (const Row& row : rows) {
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(KeycapGeometry(48 + 16 * i, row.shape).width, row.widths[i], 0.005);
    }
    EXPECT_DOUBLE_EQ(KeycapRow::spacing(80), 8);
    EXPECT_DOUBLE_EQ(KeycapRow::padding(48) * 2 + KeycapGeometry(48, KeycapShape::key).height, 91.2);
}

TEST(KeycapColors, TextContrastsWithEveryCapColour)
{
    const Rgb darkGrey{0.2, 0.2, 0.2};
    const Rgb white{1, 1, 1};
    EXPECT_EQ(KeycapColors::textColor(KeyColor::dark), (Rgb{0.85, 0.85, 0.85}));
    for (KeyColor color : {KeyColor::white, KeyColor::yellow, KeyColor::green})
        EXPECT_EQ(KeycapColors::textColor(color), darkGrey) << rawValue(color);
    for (KeyColor color : {KeyColor::blue, KeyColor::purple, KeyColor::pink, KeyColor::red, KeyColor::orange})
        EXPECT_EQ(KeycapColors::textColor(color), white) << rawValue(color);

    EXPECT_NEAR(KeycapColors::relativeLuminance(white), 1.0, 1e-9);
    EXPECT_NEAR(KeycapColors::relativeLuminance({0.5, 0.5, 0.5}), 0.214, 1e-3);
    EXPECT_EQ(KeycapColors::tint(KeyColor::white), std::nullopt);
    EXPECT_EQ(KeycapColors::tint(KeyColor::orange), (Rgb{1.0, 0.55, 0.1}));
    EXPECT_EQ(KeycapColors::artworkName(KeyColor::dark), "dark");
    EXPECT_EQ(KeycapColors::artworkName(KeyColor::pink), "white");
    EXPECT_EQ(KeycapColors::lightColor(KeyColor::white), white);
    EXPECT_GT(KeycapColors::lightColor(KeyColor::dark).green, 0.7);
}

TEST(Spring, ReachesAndHoldsItsTarget)
{
    for (SpringParameters spring : {SpringParameters{0.08, 1.0}, SpringParameters{0.35, 0.55},
                                    SpringParameters{0.15, 1.0}, SpringParameters{0.3, 1.4}}) {
        SpringValue value(0);
        value.animate(1, spring, 10.0);
        EXPECT_DOUBLE_EQ(value.value(10.0), 0) << "starts where it was";
        EXPECT_NEAR(value.value(10.0 + 3 * spring.response), 1, 0.01) << spring.response;
        EXPECT_TRUE(value.isSettled(10.0 + 10 * spring.response));
        EXPECT_NEAR(value.value(20.0), 1, 1e-9);
    }
}

TEST(Spring, OnlyTheBouncySpringOvershoots)
{
    const auto peak = [](SpringParameters spring) {
        SpringValue value(0);
        value.animate(1, spring, 0);
        double highest = 0;
        for (double t = 0; t < 2; t += 0.001)
            highest = std::max(highest, value.value(t));
        return highest;
    };
    EXPECT_GT(peak({0.35, 0.55}), 1.1);
    EXPECT_LE(peak({0.08, 1.0}), 1.0 + 1e-9);
    EXPECT_LE(peak({0.12, 1.0}), 1.0 + 1e-9);
}

TEST(Spring, ARetargetedSpringContinuesFromItsPositionAndVelocity)
{
    SpringValue value(0);
    value.animate(1, {0.3, 1.0}, 0);
    const double position = value.value(0.05);
    const double speed = value.velocity(0.05);
    ASSERT_GT(speed, 0);
    value.animate(0, {0.3, 1.0}, 0.05);
    EXPECT_DOUBLE_EQ(value.value(0.05), position);
    EXPECT_DOUBLE_EQ(value.velocity(0.05), speed);
    EXPECT_NEAR(value.value(2), 0, 1e-6);
}

TEST(GaussianBlur, SpreadsASinglePixelSymmetricallyAndKeepsItsWeight)
{
    constexpr int size = 41;
    constexpr double sigma = 3;
    std::vector<std::uint32_t> image(size * size, 0);
    image[20 * size + 20] = 0xff00ff00; // opaque green, premultiplied
    gaussianBlur(image.data(), size, size, size, 2);
    gaussianBlur(image.data(), size, size, size, 0); // no-op
    const auto alpha = [&](int x, int y) { return image[y * size + x] >> 24; };
    EXPECT_LT(alpha(20, 20), 0xffu);
    EXPECT_GT(alpha(20, 20), alpha(21, 20));
    EXPECT_EQ(alpha(19, 20), alpha(21, 20));
    EXPECT_EQ(alpha(20, 19), alpha(20, 21));
    EXPECT_EQ(alpha(0, 0), 0u);

    // A vertical line keeps its weight (up to rounding) and spreads sideways as far as a
    // Gaussian of that sigma: the standard deviation across the line is sigma, within the 10 %
    // that three box passes can come.
    std::vector<std::uint32_t> line(size * size, 0);
    for (int y = 0; y < size; ++y)
        line[y * size + 20] = 0xff00ff00;
    gaussianBlur(line.data(), size, size, size, sigma);
    double weight = 0;
    double green = 0;
    double spread = 0;
    for (int x = 0; x < size; ++x) {
        const std::uint32_t pixel = line[20 * size + x];
        weight += pixel >> 24;
        green += (pixel >> 8) & 0xff;
        spread += (pixel >> 24) * (x - 20) * (x - 20);
    }
    EXPECT_NEAR(weight, 255, 255 * 0.03);
    EXPECT_EQ(green, weight) << "every channel is blurred alike";
    EXPECT_NEAR(std::sqrt(spread / weight), sigma, sigma * 0.1);

    // A uniform opaque image stays opaque in the middle and fades at the edges.
    std::vector<std::uint32_t> solid(size * size, 0xffffffff);
    gaussianBlur(solid.data(), size, size, size, 6);
    EXPECT_EQ(solid[20 * size + 20], 0xffffffffu);
    EXPECT_LT(solid[0] >> 24, 0x80u);
}

} // namespace
} // namespace kestrel
