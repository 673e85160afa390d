#include "overlay/GaussianBlur.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kestrel {

namespace {

// Widths of three box filters whose succession approximates a Gaussian of `sigma`.
std::array<int, 3> boxWidths(double sigma)
{
    constexpr int passes = 3;
    const double ideal = std::sqrt(12 * sigma * sigma / passes + 1);
    int lower = static_cast<int>(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    const int upper = lower + 2;
    const double m =
        std::round((12 * sigma * sigma - passes * lower * lower - 4 * passes * lower - 3 * passes) / (-4 * lower - 4));
    std::array<int, 3> widths{};
    for (int i = 0; i < passes; ++i)
        widths[static_cast<std::size_t>(i)] = i < m ? lower : upper;
    return widths;
}

// One box pass along a line of `count` pixels `step` apart in `source`, written to the
// contiguous `target`.
void boxLine(const std::uint32_t* source, std::uint32_t* target, int count, int step, int radius)
{
    const int window = 2 * radius + 1;
    std::array<int, 4> sum{};
    const auto add = [&](int index, int sign) {
        if (index < 0 || index >= count)
            return; // transparent outside the image
        const std::uint32_t pixel = source[index * step];
        for (int channel = 0; channel < 4; ++channel)
            sum[static_cast<std::size_t>(channel)] += sign * static_cast<int>((pixel >> (8 * channel)) & 0xff);
    };
    for (int i = -radius; i < radius; ++i)
        add(i, 1);
    for (int i = 0; i < count; ++i) {
        add(i + radius, 1);
        std::uint32_t pixel = 0;
        for (int channel = 0; channel < 4; ++channel)
            pixel |= static_cast<std::uint32_t>((sum[static_cast<std::size_t>(channel)] + window / 2) / window)
                     << (8 * channel);
        target[i] = pixel;
        add(i - radius, -1);
    }
}

} // namespace

void gaussianBlur(std::uint32_t* pixels, int width, int height, int stride, double sigma)
{
    if (sigma <= 0 || width <= 0 || height <= 0)
        return;
    std::vector<std::uint32_t> line(static_cast<std::size_t>(std::max(width, height)));
    for (int boxWidth : boxWidths(sigma)) {
        const int radius = (boxWidth - 1) / 2;
        if (radius <= 0)
            continue;
        for (int y = 0; y < height; ++y) {
            std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
            boxLine(row, line.data(), width, 1, radius);
            std::copy_n(line.data(), width, row);
        }
        for (int x = 0; x < width; ++x) {
            boxLine(pixels + x, line.data(), height, stride, radius);
            for (int y = 0; y < height; ++y)
                pixels[static_cast<std::ptrdiff_t>(y) * stride + x] = line[static_cast<std::size_t>(y)];
        }
    }
}

} // namespace kestrel
