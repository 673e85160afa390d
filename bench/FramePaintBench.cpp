// What one frame of the overlay costs to paint: a row of five keycaps at the largest size,
// drawn into an image as the overlay draws into its window, with the keycap pictures
// already composed (as they are after a key's first appearance).

#include "overlay/KeycapGeometry.h"
#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"

#include <QApplication>
#include <QPainter>

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

void paintRow(benchmark::State& state, double visibility)
{
    constexpr double size = 80;
    KeycapArtwork artwork;
    KeycapPainter keycaps(artwork);
    QImage frame(1400, 200, QImage::Format_ARGB32_Premultiplied);
    const auto row = fiveKeycaps();
    int step = 0;
    for (auto _ : state) {
        frame.fill(Qt::transparent);
        QPainter painter(&frame);
        double x = 16;
        for (const Keycap& keycap : row) {
            // Each frame sinks the caps a little differently, as the press animation does.
            keycaps.paint(painter, QPointF(x, 16), keycap, size, KeyColor::blue, (step % 10) / 10.0, visibility);
            x += KeycapGeometry(size, keycap.shape).width + KeycapRow::spacing(size);
        }
        ++step;
        benchmark::DoNotOptimize(frame.constBits());
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
