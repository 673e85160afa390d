#include "overlay/OverlayComposer.h"

#include "overlay/KeycapGeometry.h"
#include "support/ManualScheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

// A window that keeps what it is told.
class RecordingSurface final : public OverlaySurface {
public:
    explicit RecordingSurface(bool composited) : composited(composited) {}

    Size panel{1400, 200};
    bool composited;
    std::optional<bool> buffered;
    bool shown = false;
    std::optional<std::vector<PixelRect>> shape;
    std::vector<OverlayFrame> frames;
    std::vector<std::chrono::milliseconds> presentedAt;
    const test::ManualScheduler* clock = nullptr;

    Size size() const override { return panel; }
    double pixelRatio() const override { return 1; }
    bool isComposited() const override { return composited; }
    void setBuffered(bool inBackBuffer) override { buffered = inBackBuffer; }
    void place(const SurfacePlace&) override {}
    void show() override { shown = true; }
    void hide() override { shown = false; }
    bool isShown() const override { return shown; }
    void setShape(const std::optional<std::vector<PixelRect>>& cut) override { shape = cut; }
    void present(const OverlayFrame& frame) override
    {
        frames.push_back(frame);
        presentedAt.push_back(clock->now());
    }
};

Keycap key(std::string id, std::string symbol, bool pressed = false, KeycapShape shape = KeycapShape::key)
{
    return Keycap{.id = std::move(id), .symbol = std::move(symbol), .isPressed = pressed, .shape = shape};
}

// The area the layers of a frame cover (or of one keycap's layers).
PixelRect extent(const OverlayFrame& frame, const std::string& id = {})
{
    int left = 1 << 30, top = 1 << 30, right = -(1 << 30), bottom = -(1 << 30);
    for (const OverlayLayer& layer : frame.layers) {
        if (!id.empty() && layer.keycap->id != id)
            continue;
        const PixelSize size = pictureSize(KeycapGeometry(frame.fontSize, layer.keycap->shape), layer.picture, 1);
        left = std::min(left, layer.x);
        top = std::min(top, layer.y);
        right = std::max(right, layer.x + size.width);
        bottom = std::max(bottom, layer.y + size.height);
    }
    return right < left ? PixelRect{} : PixelRect{left, top, right - left, bottom - top};
}

const OverlayLayer* findLayer(const OverlayFrame& frame, const std::string& id, KeycapPicture picture)
{
    const auto found = std::find_if(frame.layers.begin(), frame.layers.end(), [&](const OverlayLayer& layer) {
        return layer.keycap->id == id && layer.picture == picture;
    });
    return found == frame.layers.end() ? nullptr : &*found;
}

bool intersects(const PixelRect& one, const PixelRect& other)
{
    return one.x < other.x + other.width && other.x < one.x + one.width && one.y < other.y + other.height &&
           other.y < one.y + one.height;
}

class OverlayComposerTest : public ::testing::Test {
protected:
    explicit OverlayComposerTest(bool composited = true) : surface(composited)
    {
        surface.clock = &scheduler;
        composer.setOrderedIn(true);
    }

    // Lets every animation come to rest.
    void settle()
    {
        scheduler.advance(3s);
        ASSERT_FALSE(composer.isAnimating()) << "the frame clock stops at rest";
        ASSERT_EQ(scheduler.pendingCount(), 0u) << "nothing left to wake up for";
    }

    const OverlayFrame& last() const { return surface.frames.back(); }

    OverlayModel model;
    test::ManualScheduler scheduler;
    RecordingSurface surface;
    OverlayComposer composer{model, scheduler, surface, {}};
    const double size = 64;
    const double sinkDistance = KeycapGeometry(64, KeycapShape::key).sinkDistance();
};

TEST_F(OverlayComposerTest, TheFirstFrameAfterAKeyGoesOutAtOnceAndShowsTheRowFadingIn)
{
    model.keycaps = std::vector{key("key-40", "K", true)};
    EXPECT_TRUE(surface.shown);
    scheduler.advance(0ms);
    ASSERT_EQ(surface.frames.size(), 1u) << "no waiting for a refresh after an idle display";
    const OverlayFrame& first = last();
    const OverlayLayer* blurred = findLayer(first, "key-40", KeycapPicture::blurred);
    const OverlayLayer* cap = findLayer(first, "key-40", KeycapPicture::cap);
    ASSERT_TRUE(blurred && cap) << "the sharp keycap fades in over its blurred picture";
    EXPECT_LT(cap->opacity, 255);
    EXPECT_FALSE(first.damage.empty());

    settle();
    const OverlayFrame& rest = last();
    EXPECT_EQ(findLayer(rest, "key-40", KeycapPicture::blurred), nullptr);
    const OverlayLayer* base = findLayer(rest, "key-40", KeycapPicture::base);
    ASSERT_TRUE(base && findLayer(rest, "key-40", KeycapPicture::cap));
    EXPECT_EQ(base->opacity, 255);
    // Held down, the cap rests at the whole of its travel, not wherever the last moving
    // frame happened to leave it.
    const double rowTop =
        surface.panel.height - KeycapRow::padding(size) - KeycapGeometry(size, KeycapShape::key).height;
    EXPECT_EQ(findLayer(rest, "key-40", KeycapPicture::cap)->y, std::lround(rowTop + sinkDistance));
}

TEST_F(OverlayComposerTest, FramesKeepToTheRefreshAndOnlyGoOutWhenThePictureChanges)
{
    composer.setFrameInterval(1.0 / 100);
    model.keycaps = std::vector{key("key-40", "K")};
    settle();
    const std::size_t before = surface.frames.size();

    // A burst of changes inside one refresh is drawn once.
    model.keycaps = std::vector{key("key-40", "K", true)};
    scheduler.advance(0ms);
    model.keycaps = std::vector{key("key-40", "K", true), key("key-41", "L", true)};
    scheduler.advance(3ms);
    model.keycaps = std::vector{key("key-40", "K", true), key("key-41", "L", true), key("key-42", "M", true)};
    scheduler.advance(3ms);
    EXPECT_EQ(surface.frames.size(), before + 1);
    settle();
    for (std::size_t index = before + 1; index < surface.presentedAt.size(); ++index)
        EXPECT_GE(surface.presentedAt[index] - surface.presentedAt[index - 1], 10ms) << "frame " << index;

    // Releasing one key: only that keycap is drawn again, in a handful of frames, though
    // its spring bounces on for a third of a second.
    const PixelRect first = extent(last(), "key-40");
    const std::size_t held = surface.frames.size();
    model.keycaps = std::vector{key("key-40", "K", true), key("key-41", "L", true), key("key-42", "M")};
    settle();
    EXPECT_GT(surface.frames.size(), held + 1);
    EXPECT_LE(surface.frames.size(), held + 2 * static_cast<std::size_t>(std::ceil(sinkDistance)) + 2);
    for (std::size_t index = held; index < surface.frames.size(); ++index) {
        const std::vector<PixelRect>& damage = surface.frames[index].damage;
        EXPECT_EQ(damage.size(), 1u) << "frame " << index << ": the cap's old and new places are one area to draw";
        for (const PixelRect& area : damage)
            EXPECT_FALSE(intersects(area, first)) << "frame " << index << " draws the keycap that did not move";
    }
    EXPECT_EQ(findLayer(last(), "key-42", KeycapPicture::cap)->y, findLayer(last(), "key-42", KeycapPicture::base)->y);
}

TEST_F(OverlayComposerTest, AKeycapThatGoesFadesWhereItStandsWhileTheOthersSlide)
{
    model.keycaps = std::vector{key("key-0", "A"), key("key-1", "B")};
    settle();
    const PixelRect a = extent(last(), "key-0");
    const PixelRect b = extent(last(), "key-1");

    model.keycaps = std::vector{key("key-1", "B")};
    scheduler.advance(50ms);
    EXPECT_NE(findLayer(last(), "key-0", KeycapPicture::blurred), nullptr);
    EXPECT_EQ(findLayer(last(), "key-0", KeycapPicture::base)->x, a.x) << "it fades out where it stood";
    const int sliding = findLayer(last(), "key-1", KeycapPicture::base)->x;
    settle();
    const int restingX = findLayer(last(), "key-1", KeycapPicture::base)->x;
    EXPECT_LT(restingX, sliding);
    EXPECT_LT(sliding, b.x) << "B slides into the middle rather than jumping there";
    EXPECT_EQ(findLayer(last(), "key-0", KeycapPicture::base), nullptr) << "gone once faded";

    // The whole row fades out and then costs nothing.
    model.keycaps = std::vector<Keycap>{};
    settle();
    EXPECT_TRUE(last().layers.empty());
    EXPECT_TRUE(surface.shown) << "a compositor shows the empty window as nothing";
}

TEST_F(OverlayComposerTest, TypingThatNeverPausesHoldsOnlyTheKeycapsStillFading)
{
    // A new key every 30 ms for ten seconds: the overlay never comes to rest.
    for (int typed = 0; typed < 333; ++typed) {
        model.keycaps = std::vector{key("key-" + std::to_string(typed), "A")};
        scheduler.advance(30ms);
        ASSERT_TRUE(composer.isAnimating());
    }
    // What fades out takes well under a second: no more than that second's keys are left.
    EXPECT_LE(composer.keycapCount(), 34u);
    settle();
    EXPECT_EQ(composer.keycapCount(), 1u);
}

TEST_F(OverlayComposerTest, TheRowSitsAtTheAlignmentOrTheAnchorInsideThePanel)
{
    const double padding = KeycapRow::padding(size);
    const double height = KeycapGeometry(size, KeycapShape::key).height;
    const double rowWidth = KeycapGeometry(size, KeycapShape::cmd).width + KeycapRow::spacing(size) +
                            KeycapGeometry(size, KeycapShape::key).width;
    model.keycaps = std::vector{key("mod-command", "⌘", false, KeycapShape::cmd), key("key-40", "K")};
    settle();
    PixelRect row = extent(last());
    EXPECT_NEAR(row.x + row.width / 2.0, 700, 1.5) << "bottom centre";
    EXPECT_NEAR(row.width, rowWidth, 2.5) << "pictures are whole pixels";
    EXPECT_NEAR(row.y + row.height, 200 - padding, 1.5);

    model.alignment = Alignments::topLeading;
    settle();
    row = extent(last());
    EXPECT_NEAR(row.x, padding, 1);
    EXPECT_NEAR(row.y, padding, 1);

    model.anchor = UnitPoint{0.5, 0.85}; // the row's point at 85 % of its height meets the panel's
    settle();
    row = extent(last());
    EXPECT_NEAR(row.x + row.width / 2.0, 700, 1.5);
    EXPECT_NEAR(row.y - padding, 0.85 * (200 - height - 2 * padding), 1.5);

    surface.panel = {1000, 300};
    composer.surfaceResized();
    settle();
    EXPECT_NEAR(extent(last()).x + extent(last()).width / 2.0, 500, 1.5) << "a new panel size moves the row";
}

class WithoutACompositor : public OverlayComposerTest {
protected:
    WithoutACompositor() : OverlayComposerTest(false) {}
};

TEST_F(WithoutACompositor, TheWindowIsCutToTheKeycapsNothingFadesAndAnEmptyRowUnmapsIt)
{
    EXPECT_FALSE(surface.shown) << "an empty window would show black";
    EXPECT_EQ(surface.buffered, false) << "no compositor looks: frames are drawn straight in the window";
    model.keycaps = std::vector{key("key-0", "A"), key("key-1", "B")};
    scheduler.advance(0ms);
    EXPECT_TRUE(surface.shown);
    EXPECT_EQ(findLayer(last(), "key-0", KeycapPicture::blurred), nullptr) << "no fade in";
    EXPECT_EQ(findLayer(last(), "key-0", KeycapPicture::base)->opacity, 255);
    ASSERT_TRUE(surface.shape.has_value());
    const PixelRect a = extent(last(), "key-0");
    const PixelRect b = extent(last(), "key-1");
    long area = 0;
    for (const PixelRect& cut : *surface.shape) {
        EXPECT_TRUE(intersects(cut, a) || intersects(cut, b));
        area += static_cast<long>(cut.width) * cut.height;
    }
    const long keycaps = static_cast<long>(a.width) * a.height + static_cast<long>(b.width) * b.height;
    EXPECT_LT(area, keycaps) << "the rounded corners are cut away";
    EXPECT_GT(area, keycaps * 95 / 100);

    model.keycaps = std::vector<Keycap>{};
    scheduler.advance(0ms);
    EXPECT_FALSE(surface.shown) << "gone at once";
    settle();

    // A compositor that starts later lifts the cut for the next row, and its frames go
    // through the back buffer.
    surface.composited = true;
    EXPECT_EQ(surface.buffered, false) << "not before the next row";
    model.keycaps = std::vector{key("key-0", "A")};
    scheduler.advance(0ms);
    EXPECT_EQ(surface.buffered, true);
    EXPECT_FALSE(surface.shape.has_value());
    EXPECT_NE(findLayer(last(), "key-0", KeycapPicture::blurred), nullptr) << "and fades blend again";
}

TEST(FramedInput, WhileFramesComeAKeyWaitsForTheNextOneAndAtRestItWakesKestrelAgain)
{
    OverlayModel model;
    test::ManualScheduler scheduler;
    RecordingSurface surface(true);
    surface.clock = &scheduler;
    std::vector<bool> waits;
    std::function<void()> held; // what the input holds until it is taken
    int taken = 0;
    const OverlayComposer::Options options{.input = {.waitForFrames = [&](bool wait) { waits.push_back(wait); },
                                                     .takeInput =
                                                         [&] {
                                                             ++taken;
                                                             if (held)
                                                                 std::exchange(held, nullptr)();
                                                         }}};
    auto composer = std::make_unique<OverlayComposer>(model, scheduler, surface, options);
    composer->setOrderedIn(true);
    scheduler.advance(3s);
    EXPECT_TRUE(waits.empty() || !waits.back()) << "at rest, input wakes Kestrel itself";
    waits.clear();
    surface.frames.clear();
    taken = 0;

    model.keycaps = std::vector{key("key-40", "K", true)};
    EXPECT_EQ(waits, std::vector<bool>{true});
    scheduler.advance(0ms);
    ASSERT_EQ(surface.frames.size(), 1u);
    EXPECT_EQ(taken, 1) << "input is taken just before each frame";

    // A key that comes while the frames run is shown by the next frame, which gets no
    // second frame of its own.
    held = [&] { model.keycaps = std::vector{key("key-41", "L", true)}; };
    scheduler.advance(17ms);
    ASSERT_EQ(surface.frames.size(), 2u);
    EXPECT_NE(findLayer(surface.frames.back(), "key-41", KeycapPicture::cap), nullptr);
    EXPECT_EQ(taken, 2) << "no wake-up of its own";
    EXPECT_EQ(scheduler.pendingCount(), 1u);

    scheduler.advance(3s);
    ASSERT_FALSE(composer->isAnimating());
    ASSERT_FALSE(waits.empty());
    EXPECT_FALSE(waits.back()) << "at rest, input wakes Kestrel itself again";
    EXPECT_EQ(std::count(waits.begin(), waits.end(), true), std::count(waits.begin(), waits.end(), false));

    // Nor is it left waiting for a composer that has gone.
    model.keycaps = std::vector{key("key-42", "M", true)};
    EXPECT_TRUE(waits.back());
    composer.reset();
    EXPECT_FALSE(waits.back());
}

TEST(RoundedRectPixels, CornersAreCutLikeACircleAndTheSidesAreStraight)
{
    const auto square = roundedRectPixels(2, 3, 10, 8, 0);
    ASSERT_EQ(square.size(), 1u);
    EXPECT_EQ(square.front(), (PixelRect{2, 3, 10, 8}));

    const auto rounded = roundedRectPixels(0, 0, 40, 20, 10);
    long area = 0;
    for (const PixelRect& row : rounded) {
        EXPECT_GE(row.x, 0);
        EXPECT_LE(row.x + row.width, 40);
        EXPECT_EQ(row.x, 40 - (row.x + row.width)) << "symmetric, at row " << row.y;
        area += static_cast<long>(row.width) * row.height;
    }
    // A stadium of radius 10: a 20 × 20 square and a circle of radius 10.
    EXPECT_NEAR(area, 400 + 3.14159 * 100, 12);
    EXPECT_GT(rounded.front().x, 2) << "the top row is narrowed by its corners";
}

} // namespace
} // namespace kestrel
