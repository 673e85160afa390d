#pragma once

#include <cstdlib>

namespace kestrel::wayland {

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
