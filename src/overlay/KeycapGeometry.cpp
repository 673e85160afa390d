#include "overlay/KeycapGeometry.h"

#include <cmath>

namespace kestrel {

namespace {
constexpr double artworkHeightUnits = 525;
}

double KeycapGeometry::widthUnits(KeycapShape shape)
{
    switch (shape) {
    case KeycapShape::key:
        return 536;
    case KeycapShape::cmd:
        return 660;
    case KeycapShape::shift:
        return 1000;
    case KeycapShape::space:
        return 1740;
    }
    return 536;
}

KeycapGeometry::KeycapGeometry(double baseSize, KeycapShape shape)
    : size(baseSize),
      height(baseSize * 1.5),
      unit(height / artworkHeightUnits),
      width(height * widthUnits(shape) / artworkHeightUnits)
{}

PixelSize pictureSize(const KeycapGeometry& geometry, KeycapPicture picture, double pixelRatio)
{
    const double margin = picture == KeycapPicture::blurred ? KeycapBlur::margin : 0;
    return {static_cast<int>(std::ceil((geometry.width + 2 * margin) * pixelRatio)),
            static_cast<int>(std::ceil((geometry.height + 2 * margin) * pixelRatio))};
}

} // namespace kestrel
