// What one frame of the overlay costs to paint with Qt: a row of five keycaps at the largest
// size, its layers drawn into an image as the overlay's Qt window draws them, with the
// keycap pictures already made (as they are after a key's first appearance).

#include "overlay/KeycapGeometry.h"
#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"

#include <QApplication>
#include <QPainter>

#include <cmath>
#include <memory>

#include <benchmark/benchmark.h>

namespace kestrel {
namespace {

std::vector<Keycap> fiveKeycaps()
{
    return {
        {.id = "mod-control", .symbol = "⌃", .name = "control", .modifier = Modifier::control},
        {.id = "mod-option", .symbol = "⌥", .name = "option", .modifier = Modifier::option},
        {.id = "mod-shift", .symbol = "⇧", .name = "shift", .modifier = Modifier::shift, .shape = KeycapShape::shift},
        {.id = "mod-command",
         .symbol = "⌘",
         .name = "command",
         .modifier = Modifier::command,
         .shape = KeycapShape::cmd},
        {.id = "key-40", .symbol = "K"},
    };
}

// `visibility` 1 is a row at rest; below 1, each keycap is its sharp pictures over its blurred
// one, as while it fades in.
void paintRow(benchmark::State& state, double visibility)
{
    constexpr double size = 80;
    KeycapArtwork artwork;
    KeycapPainter keycaps(artwork);
    QImage image(1400, 200, QImage::Format_ARGB32_Premultiplied);
    OverlayFrame frame{.fontSize = size, .color = KeyColor::blue, .pixelRatio = 1, .layers = {}, .damage = {}};
    const auto sharp = static_cast<std::uint8_t>(std::lround(visibility * visibility * 255));
    const auto blurred = static_cast<std::uint8_t>(std::lround(visibility * (1 - visibility) * 255));
    const auto margin = static_cast<int>(std::lround(KeycapBlur::margin));
    int step = 0;
    for (auto _ : state) {
        // Each frame sinks the caps a little differently, as the press animation does.
        frame.layers.clear();
        int x = 24;
        for (const Keycap& keycap : fiveKeycaps()) {
            const auto shared = std::make_shared<const Keycap>(keycap);
            const KeycapGeometry geometry(size, keycap.shape);
            const int drop = static_cast<int>(std::lround((step % 10) / 10.0 * geometry.sinkDistance()));
            if (visibility < 1)
                frame.layers.push_back({shared, KeycapPicture::blurred, x - margin, 24 - margin, blurred});
            frame.layers.push_back({shared, KeycapPicture::base, x, 24, sharp});
            frame.layers.push_back({shared, KeycapPicture::cap, x, 24 + drop, sharp});
            x += static_cast<int>(std::lround(geometry.width + KeycapRow::spacing(size)));
        }
        state.PauseTiming();
        image.fill(Qt::transparent);
        state.ResumeTiming();
        QPainter painter(&image);
        for (const OverlayLayer& layer : frame.layers)
            keycaps.paintLayer(painter, layer, frame);
        ++step;
        benchmark::DoNotOptimize(image.constBits());
    }
}

void fiveKeycapsAtSize80(benchmark::State& state)
{
    paintRow(state, 1.0);
}
BENCHMARK(fiveKeycapsAtSize80)->Unit(benchmark::kMicrosecond);

// The same row halfway through its blur-fade.
void fiveFadingKeycapsAtSize80(benchmark::State& state)
{
    paintRow(state, 0.5);
}
BENCHMARK(fiveFadingKeycapsAtSize80)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kestrel

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
