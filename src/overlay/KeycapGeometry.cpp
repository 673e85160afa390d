#include "overlay/KeycapGeometry.h"

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

} // namespace kestrel
