#include "platform/x11/XRenderSurface.h"

#include "support/EventLoop.h"
#include "support/x11/XResources.h"
#include "support/x11/XvfbServer.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel::x11 {
namespace {

using namespace std::chrono_literals;

// Pictures of a size each, as the painter would make them, with the number asked for.
class PictureStore {
public:
    PicturePixels pixels(const OverlayLayer&, const OverlayFrame& frame)
    {
        ++asked;
        const int side = static_cast<int>(frame.fontSize * 2);
        m_words.assign(static_cast<std::size_t>(side * side), 0x80402010);
        return {side, side, side * 4, reinterpret_cast<const std::uint8_t*>(m_words.data())};
    }

    int asked = 0;

private:
    std::vector<std::uint32_t> m_words;
};

OverlayFrame frameOf(const std::shared_ptr<const Keycap>& keycap, double fontSize, KeyColor color)
{
    OverlayFrame frame{.fontSize = fontSize, .color = color};
    frame.layers.push_back({keycap, KeycapPicture::cap, 10, 10, 255});
    frame.damage.push_back({0, 0, 400, 400});
    return frame;
}

TEST(XRenderSurface, ThePicturesTheServerKeepsForItStayWithinABudget)
{
    test::XvfbServer server;
    ASSERT_TRUE(server.isRunning()) << server.error();
    PictureStore store;
    UiMessage why;
    const auto surface = XRenderSurface::create(
        [&](const OverlayLayer& layer, const OverlayFrame& frame) { return store.pixels(layer, frame); },
        [] { return false; }, &why, server.display());
    ASSERT_TRUE(surface) << why.english();
    surface->setGeometry({0, 0, 400, 400}, 1);
    surface->show();

    xcb_connection_t* observer = xcb_connect(server.display().c_str(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(observer), 0);
    const auto picturesHeld = [&] { return test::serverResourcesOfOwner(observer, surface->window())["PICTURE"]; };

    // One keycap shown: the window's own pictures and its one keycap picture.
    const auto first = std::make_shared<const Keycap>(Keycap{.id = "key-0", .symbol = "A"});
    surface->present(frameOf(first, 64, KeyColor::dark));
    ASSERT_EQ(surface->pictureCount(), 1u);
    int ownPictures = 0;
    ASSERT_TRUE(test::runEventLoopUntil([&] { return (ownPictures = picturesHeld() - 1) > 0; }));

    // Shown again, or another keycap of the same face, the picture is neither asked for nor
    // sent again.
    surface->present(frameOf(first, 64, KeyColor::dark));
    surface->present(frameOf(std::make_shared<const Keycap>(*first), 64, KeyColor::dark));
    EXPECT_EQ(store.asked, 1);

    const auto heldMatches = [&] {
        const int expected = ownPictures + static_cast<int>(surface->pictureCount());
        return test::runEventLoopUntil([&] { return picturesHeld() == expected; });
    };

    // Two hundred keycaps at the large size: several times what the server keeps. What it
    // keeps stays within the budget, and every picture let go is freed in the server too.
    std::size_t mostBytes = 0;
    for (int symbol = 0; symbol < 200; ++symbol) {
        const auto keycap = std::make_shared<const Keycap>(Keycap{.id = "key-1", .symbol = std::to_string(symbol)});
        surface->present(frameOf(keycap, 80, KeyColor::dark));
        mostBytes = std::max(mostBytes, surface->pictureBytes());
    }
    EXPECT_LT(mostBytes, std::size_t{9} << 20);
    EXPECT_LT(surface->pictureCount(), 200u / 2);
    EXPECT_TRUE(heldMatches()) << picturesHeld() << " pictures held in the server, where the surface keeps "
                               << surface->pictureCount();

    // Another colour: the pictures of the last go. A fading keycap's opacity masks go when
    // the surface is hidden.
    OverlayFrame fading = frameOf(first, 80, KeyColor::green);
    fading.layers.front().opacity = 100;
    fading.layers.push_back({first, KeycapPicture::blurred, 10, 10, 50});
    surface->present(fading);
    EXPECT_EQ(surface->pictureCount(), 2u);
    surface->hide();
    EXPECT_TRUE(heldMatches()) << picturesHeld() << " pictures held in the server, where the surface keeps "
                               << surface->pictureCount();
    xcb_disconnect(observer);
}

} // namespace
} // namespace kestrel::x11
