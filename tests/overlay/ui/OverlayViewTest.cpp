#include "overlay/ui/OverlayView.h"

#include "overlay/KeycapGeometry.h"
#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"
#include "support/EventLoop.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

class OverlayViewTest : public ::testing::Test {
protected:
    OverlayViewTest() { view.resize(1400, 200); }

    // Shows keycaps and waits until every animation has come to rest.
    void show(std::vector<Keycap> keycaps)
    {
        model.keycaps = std::move(keycaps);
        EXPECT_TRUE(view.isAnimating()) << "a change starts the frame clock";
        EXPECT_TRUE(test::runEventLoopUntil([&] { return !view.isAnimating(); }, 3s)) << "and it stops again";
    }

    // The bounding box of everything drawn.
    QRect drawn()
    {
        const QImage image = view.grab().toImage();
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0)
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }

    static std::vector<Keycap> commandK()
    {
        return {Keycap{.id = "mod-command",
                       .symbol = "⌘",
                       .name = "command",
                       .modifier = Modifier::command,
                       .isPressed = false,
                       .shape = KeycapShape::cmd},
                Keycap{.id = "key-40", .symbol = "K", .isPressed = false}};
    }

    OverlayModel model;
    KeycapArtwork artwork;
    KeycapPainter painter{artwork};
    OverlayView view{model, painter, {}};
    const double padding = KeycapRow::padding(64);
    const double rowWidth = KeycapGeometry(64, KeycapShape::cmd).width + KeycapRow::spacing(64) +
                            KeycapGeometry(64, KeycapShape::key).width;
};

TEST_F(OverlayViewTest, TheRowSitsAtTheAlignmentInsideThePanel)
{
    show(commandK()); // bottom centre
    QRect box = drawn();
    EXPECT_NEAR(box.center().x(), 700, 2);
    EXPECT_NEAR(box.width(), rowWidth, 2);
    EXPECT_NEAR(box.bottom() + 1, 200 - padding, 2);

    model.alignment = Alignments::topLeading;
    box = drawn();
    EXPECT_NEAR(box.left(), padding, 1.5);
    EXPECT_NEAR(box.top(), padding, 1.5);
}

TEST_F(OverlayViewTest, ACustomAnchorPutsTheRowsPointOnThePanelsPoint)
{
    model.anchor = UnitPoint{0.5, 0.85};
    show(commandK());
    const QRect box = drawn();
    const double rowHeight = KeycapGeometry(64, KeycapShape::key).height + 2 * padding;
    EXPECT_NEAR(box.center().x(), 700, 2);
    EXPECT_NEAR(box.top() - padding, 0.85 * (200 - rowHeight), 2);
}

TEST(OverlayViewShape, ACompositorStartingLaterLiftsTheKeycapOutline)
{
    OverlayModel model;
    KeycapArtwork artwork;
    KeycapPainter painter{artwork};
    bool composited = false;
    OverlayView view{model, painter, {.isComposited = [&] { return composited; }}};
    view.resize(1400, 200);
    const auto settle = [&] { return test::runEventLoopUntil([&] { return !view.isAnimating(); }, 3s); };

    model.keycaps = std::vector<Keycap>{Keycap{.id = "key-0", .symbol = "a"}};
    ASSERT_TRUE(settle());
    EXPECT_FALSE(view.mask().isEmpty()) << "without a compositor the window takes the keycap's shape";
    model.keycaps = std::vector<Keycap>{};
    ASSERT_TRUE(settle());

    composited = true;
    model.keycaps = std::vector<Keycap>{Keycap{.id = "key-0", .symbol = "a"}};
    ASSERT_TRUE(settle());
    EXPECT_TRUE(view.mask().isEmpty()) << "with one, the window blends and needs no shape";
}

TEST_F(OverlayViewTest, AnEmptiedRowFadesAwayAndTheClockStops)
{
    show(commandK());
    ASSERT_FALSE(drawn().isNull());
    show({});
    EXPECT_TRUE(drawn().isNull()) << "nothing but transparency";
}

} // namespace
} // namespace kestrel
