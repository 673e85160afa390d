// The settings window as a user meets it: opened with `kestrel --settings` on a private X
// server, worked with the pointer through XTest, judged by where and how the next keycap
// appears.

#include "integration/KestrelAppFixture.h"

namespace kestrel::test {
namespace {

class KestrelSettingsTest : public KestrelAppTest {
protected:
    // Whether something shows outside the window: a keycap.
    bool keycapOutside(const QRect& window)
    {
        for (const QRect& blob : screenshot().blobs) {
            if (!window.contains(blob))
                return true;
        }
        return false;
    }

    // Taps Control until its keycap shows, then waits for the screen to clear.
    void awaitKeysOutside(const QRect& window)
    {
        ASSERT_TRUE(runEventLoopUntil(
            [&] {
                input.tap(leftControl);
                return runEventLoopUntil([&] { return keycapOutside(window); }, 300ms);
            },
            15s))
            << "Kestrel did not start listening";
        ASSERT_TRUE(runEventLoopUntil([&] { return !keycapOutside(window); }, 10s));
    }
};

TEST_F(KestrelSettingsTest, AColourAndAPlaceChosenInTheWindowAreWhereTheNextKeyAppears)
{
    writePreferences(R"({"showClicksAndScrolling": false})"); // no keycaps for the clicks themselves
    ASSERT_NO_FATAL_FAILURE(launch({"--settings"}));
    const auto window = awaitTopLevel("General");
    ASSERT_TRUE(window) << "kestrel --settings opens the window";
    ASSERT_FALSE(settledScreenshot().changed.isNull()) << "the window is drawn";
    const QRect frame = frameOf(*window);
    ASSERT_NO_FATAL_FAILURE(awaitKeysOutside(frame));

    // Appearance, then the blue swatch.
    clickAt(frame.topLeft() + QPoint(60, 78));
    ASSERT_TRUE(awaitTopLevel("Appearance"));
    const auto blue = awaitColour(rgb(51, 128, 255), frame);
    ASSERT_TRUE(blue) << "the blue swatch is on screen";
    clickAt(*blue + QPoint(2, 2));
    const std::string saved = awaitSaved(R"("keyColor": "blue")");
    EXPECT_NE(saved.find(R"("keyColor": "blue")"), std::string::npos) << saved;

    // Displays, then the miniature's top-left spot.
    clickAt(frame.topLeft() + QPoint(60, 106));
    ASSERT_TRUE(awaitTopLevel("Displays"));
    const auto miniature = awaitColour(rgb(0x5b, 0x7f, 0xa8), frame, 10); // the top of its background
    ASSERT_TRUE(miniature) << "the position picker is on screen";
    clickAt(*miniature + QPoint(40, 20));
    const std::string placed = awaitSaved(R"("overlayPosition": "topLeft")");
    EXPECT_NE(placed.find(R"("overlayPosition": "topLeft")"), std::string::npos) << placed;

    // The next key: top left of the screen, and blue.
    input.key(a, true);
    runEventLoopUntil([&] { return keycapOutside(frame); }, 5s);
    stillPixels();
    const Screenshot shot = screenshot();
    input.key(a, false);
    std::optional<QRect> keycap;
    for (const QRect& blob : shot.blobs) {
        if (!frame.contains(blob))
            keycap = blob;
    }
    ASSERT_TRUE(keycap) << "a keycap outside the settings window";
    EXPECT_LT(keycap->center().x(), screenWidth / 4);
    EXPECT_LT(keycap->center().y(), screenHeight / 4) << "at the top left";
    long blueness = 0;
    for (int y = keycap->top(); y <= keycap->bottom(); ++y) {
        for (int x = keycap->left(); x <= keycap->right(); ++x) {
            const std::uint32_t pixel = shot.pixels[static_cast<std::size_t>(y * screenWidth + x)];
            blueness += static_cast<long>(pixel & 0xff) - static_cast<long>((pixel >> 16) & 0xff);
        }
    }
    EXPECT_GT(blueness / (keycap->width() * keycap->height()), 30) << "a blue keycap";
}

} // namespace
} // namespace kestrel::test
