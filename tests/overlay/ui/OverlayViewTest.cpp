#include "overlay/ui/OverlayView.h"

#include "overlay/KeycapGeometry.h"
#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"
#include "overlay/ui/OverlayWindow.h"
#include "platform/qt/QtScheduler.h"
#include "support/EventLoop.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

class OverlayViewTest : public ::testing::Test {
protected:
    // Shows keycaps and waits until every animation has come to rest.
    void show(std::vector<Keycap> keycaps)
    {
        model.keycaps = std::move(keycaps);
        EXPECT_TRUE(window.composer().isAnimating()) << "a change starts the frame clock";
        EXPECT_TRUE(test::runEventLoopUntil([&] { return !window.composer().isAnimating(); }, 3s))
            << "and it stops again";
    }

    // The bounding box of everything drawn.
    QRect drawn()
    {
        const QImage image = window.view()->grab().toImage();
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
    QtScheduler scheduler;
    bool composited = true;
    OverlayWindow window{model, painter, scheduler, {.isComposited = [this] { return composited; }}};
};

TEST_F(OverlayViewTest, TheWindowShowsTheComposedLayersWhereTheFrameSaysAndNothingElse)
{
    window.orderFrontRegardless();
    show(commandK());
    const OverlayFrame& frame = window.composer().lastFrame();
    QRect layers;
    for (const OverlayLayer& layer : frame.layers) {
        const PixelSize size = pictureSize(KeycapGeometry(frame.fontSize, layer.keycap->shape), layer.picture, 1);
        layers |= QRect(layer.x, layer.y, size.width, size.height);
    }
    ASSERT_FALSE(layers.isEmpty());
    const QRect box = drawn();
    EXPECT_LE(std::abs(box.left() - layers.left()), 1);
    EXPECT_LE(std::abs(box.right() - layers.right()), 1);
    EXPECT_LE(std::abs(box.top() - layers.top()), 1);
    EXPECT_LE(std::abs(box.bottom() - layers.bottom()), 1);

    show({});
    EXPECT_TRUE(drawn().isNull()) << "an emptied row fades to nothing but transparency";
}

TEST_F(OverlayViewTest, WithoutACompositorTheWindowTakesTheKeycapsShapeUntilOneStarts)
{
    composited = false;
    window.orderFrontRegardless();
    show({Keycap{.id = "key-0", .symbol = "a"}});
    EXPECT_FALSE(window.view()->mask().isEmpty()) << "without a compositor the window takes the keycap's shape";
    EXPECT_TRUE(window.view()->isVisible());
    show({});
    EXPECT_FALSE(window.view()->isVisible()) << "an empty window would show black";

    composited = true;
    show({Keycap{.id = "key-0", .symbol = "a"}});
    EXPECT_TRUE(window.view()->mask().isEmpty()) << "with one, the window blends and needs no shape";
}

TEST_F(OverlayViewTest, InARightToLeftLanguageTheKeycapsStayInTheOrderTheyWerePressed)
{
    window.orderFrontRegardless();
    show(commandK());
    const QImage leftToRight = window.view()->grab().toImage();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    QCoreApplication::processEvents(); // the change reaches every widget
    const bool mirrored = window.view()->layoutDirection() == Qt::RightToLeft;
    const QImage rightToLeft = window.view()->grab().toImage();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    ASSERT_TRUE(mirrored) << "the window follows the application's direction";
    EXPECT_TRUE(rightToLeft == leftToRight) << "⌘ stays left of K";
}

} // namespace
} // namespace kestrel
