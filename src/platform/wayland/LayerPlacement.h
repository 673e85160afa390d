#pragma once

#include <cstdlib>
#include <string>

namespace kestrel::wayland {

// Where a layer surface goes: on the output of that name (empty, or one the compositor does
// not have: the output it chooses, the focused one), at (x, y) from the top-left corner of an
// output `outputWidth` × `outputHeight` large, in logical pixels, with the output's scale. It
// holds on to the nearer edges (see LayerPlacement), so the place suits any output.
struct SurfacePlacement {
    std::string outputName;
    int x = 0;
    int y = 0;
    int width = 1;
    int height = 1;
    int outputWidth = 1;
    int outputHeight = 1;
    int scale = 1;
    bool operator==(const SurfacePlacement&) const = default;
};

// How a layer surface holds its place on an output: the edges it keeps a distance from, and
// those distances, in logical pixels. A surface centred between two edges holds neither, so
// the compositor centres it; otherwise it holds the nearer one. Then its place is right on
// any output, including one the compositor chooses (the focused one), whatever its size.
struct LayerPlacement {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
    int marginTop = 0;
    int marginBottom = 0;
    int marginLeft = 0;
    int marginRight = 0;
};

// The placement of a `width` × `height` surface at (x, y) of an output that size.
inline LayerPlacement layerPlacement(int x, int y, int width, int height, int outputWidth, int outputHeight)
{
    LayerPlacement placement;
    const int leftGap = x;
    const int rightGap = outputWidth - (x + width);
    const int topGap = y;
    const int bottomGap = outputHeight - (y + height);
    // Within a pixel of the middle counts as centred.
    if (std::abs(leftGap - rightGap) > 1) {
        placement.left = leftGap < rightGap;
        placement.right = !placement.left;
        placement.marginLeft = placement.left ? leftGap : 0;
        placement.marginRight = placement.right ? rightGap : 0;
    }
    if (std::abs(topGap - bottomGap) > 1) {
        placement.top = topGap < bottomGap;
        placement.bottom = !placement.top;
        placement.marginTop = placement.top ? topGap : 0;
        placement.marginBottom = placement.bottom ? bottomGap : 0;
    }
    return placement;
}

} // namespace kestrel::wayland
