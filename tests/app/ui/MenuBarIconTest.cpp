#include "app/ui/MenuBarIcon.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrel {
namespace {

constexpr int size = 44;
const QColor ink(20, 20, 20);

// Whether the pixel is fully transparent.
bool clear(const QImage& image, double x, double y)
{
    return image.pixelColor(static_cast<int>(x), static_cast<int>(y)).alpha() == 0;
}

TEST(MenuBarIcon, OnAndOffAreTheirOwnArtworkAndWithoutAnUpdateNothingIsAdded)
{
    const QImage on = menuBarIcon(true, false, size, ink);
    const QImage off = menuBarIcon(false, false, size, ink);
    ASSERT_EQ(on.size(), QSize(size, size));
    EXPECT_NE(on, off);
    // One colour, like a template image: every pixel drawn is the ink, in some opacity.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QColor pixel = on.pixelColor(x, y);
            if (pixel.alpha() == 255) {
                EXPECT_EQ(pixel.rgb(), ink.rgb()) << x << "," << y;
            }
        }
    }
}

TEST(MenuBarIcon, TheUpdateDotSitsTopRightWithATransparentRingAroundIt)
{
    const QImage plain = menuBarIcon(true, false, size, ink);
    const QImage marked = menuBarIcon(true, true, size, ink);
    const double diameter = size * 0.36;
    const double centreX = size - diameter / 2;
    const double centreY = diameter / 2;
    EXPECT_EQ(marked.pixelColor(static_cast<int>(centreX), static_cast<int>(centreY)).rgba(), ink.rgba());

    // The ring: between the dot's edge and 1.5 pixels beyond it nothing is drawn, also where
    // the artwork was (antialiasing aside); beyond the ring the artwork is untouched.
    int ringPixelsOverArtwork = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double distance = std::hypot(x + 0.5 - centreX, y + 0.5 - centreY) - diameter / 2;
            if (distance > 0.6 && distance < 1.0) {
                EXPECT_LT(marked.pixelColor(x, y).alpha(), 40) << x << "," << y;
                ringPixelsOverArtwork += !clear(plain, x, y);
            } else if (distance > 2.5) {
                EXPECT_EQ(marked.pixel(x, y), plain.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(ringPixelsOverArtwork, 0) << "the ring cuts into the artwork, which reaches the corner";
}

TEST(MenuBarIcon, AHaloOutlinesTheArtworkForTraysOfEitherBrightness)
{
    const QColor halo(240, 240, 240);
    const QImage plain = menuBarIcon(false, false, size, ink);
    const QImage outlined = menuBarIcon(false, false, size, ink, halo);
    int haloPixels = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (clear(plain, x, y) && !clear(outlined, x, y)) {
                ++haloPixels;
                EXPECT_GT(outlined.pixelColor(x, y).lightness(), 128) << x << "," << y;
            }
        }
    }
    EXPECT_GT(haloPixels, size) << "an outline all around the artwork";
}

} // namespace
} // namespace kestrel
