#pragma once

#include <cstdint>

namespace kestrel {

// Blurs an image in place with a Gaussian of standard deviation `sigma` pixels. The pixels
// are 32-bit premultiplied ARGB (any channel order: the four bytes are blurred alike),
// `stride` is in pixels. Edges are not opaque: outside the image counts as transparent, so
// a blurred keycap fades out softly at its borders. Runs three box passes per axis, a close
// approximation whose cost does not grow with the radius.
void gaussianBlur(std::uint32_t* pixels, int width, int height, int stride, double sigma);

} // namespace kestrel
