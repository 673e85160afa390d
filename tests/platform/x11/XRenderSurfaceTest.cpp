#include "platform/x11/XRenderSurface.h"

#include "support/EventLoop.h"
#include "support/x11/XResources.h"
#include "support/x11/XvfbServer.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace kestrel::x11 {
namespace {

using namespace std::chrono_literals;

// Pictures of a size each, as the painter would make them: the same keycap in the same
// style is the same picture.
class PictureStore {
public:
    PicturePixels pixels(const OverlayLayer& layer, const OverlayFrame& frame)
    {
        const auto key = std::make_tuple(layer.keycap->symbol, frame.fontSize, static_cast<int>(frame.color));
        auto [found, made] = m_pictures.try_emplace(key);
        if (made) {
            const int side = static_cast<int>(frame.fontSize * 2);
            found->second.id = ++m_lastId;
            found->second.side = side;
            found->second.words.assign(static_cast<std::size_t>(side * side), 0x80402010);
        }
        const Picture& picture = found->second;
        ++asked;
        return {picture.id, picture.side, picture.side, picture.side * 4,
                reinterpret_cast<const std::uint8_t*>(picture.words.data())};
    }

    int asked = 0;

private:
    struct Picture {
        std::uint64_t id = 0;
        int side = 0;
        std::vector<std::uint32_t> words;
    };
    std::map<std::tuple<std::string, double, int>, Picture> m_pictures;
    std::uint64_t m_lastId = 0;
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
    std::string why;
    const auto surface = XRenderSurface::create(
        [&](const OverlayLayer& layer, const OverlayFrame& frame) { return store.pixels(layer, frame); },
        [] { return false; }, &why, server.display());
    ASSERT_TRUE(surface) << why;
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

    // Shown again, the picture is neither asked for nor sent again.
    surface->present(frameOf(first, 64, KeyColor::dark));
    EXPECT_EQ(store.asked, 1);

    // Forty keycaps in each of nine colours and three sizes: about nine times what the
    // server keeps. What it keeps stays within the budget, and every picture let go is freed
    // in the server too.
    std::size_t mostBytes = 0;
    for (const double size : {48.0, 64.0, 80.0}) {
        for (int colour = 0; colour <= static_cast<int>(KeyColor::green); ++colour) {
            for (int symbol = 0; symbol < 40; ++symbol) {
                const auto keycap =
                    std::make_shared<const Keycap>(Keycap{.id = "key-1", .symbol = std::to_string(symbol)});
                surface->present(frameOf(keycap, size, static_cast<KeyColor>(colour)));
                mostBytes = std::max(mostBytes, surface->pictureBytes());
            }
        }
    }
    EXPECT_LT(mostBytes, std::size_t{9} << 20);
    EXPECT_LT(surface->pictureCount(), 3u * 9u * 40u / 10u);
    const int expected = ownPictures + static_cast<int>(surface->pictureCount());
    EXPECT_TRUE(test::runEventLoopUntil([&] { return picturesHeld() == expected; }))
        << picturesHeld() << " pictures held in the server, where the surface keeps " << surface->pictureCount();
    xcb_disconnect(observer);
}

} // namespace
} // namespace kestrel::x11
