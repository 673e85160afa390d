#include "overlay/KeycapGeometry.h"

#include <cmath>
#include <functional>

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

KeycapFace KeycapFace::of(const Keycap& keycap, KeycapPicture picture)
{
    if (picture == KeycapPicture::base)
        return {.picture = picture, .shape = keycap.shape};
    return {picture, keycap.shape, keycap.symbol, keycap.name, keycap.systemImage, keycap.indicatorIsOn, keycap.mouse};
}

std::size_t KeycapFaceHash::operator()(const KeycapFace& face) const
{
    std::size_t hash = std::hash<std::string>{}(face.symbol);
    mixHash(hash, static_cast<std::size_t>(face.picture));
    mixHash(hash, static_cast<std::size_t>(face.shape));
    mixHash(hash, std::hash<std::string>{}(face.name.value_or(std::string{})));
    mixHash(hash, std::hash<std::string>{}(face.systemImage.value_or(std::string{})));
    mixHash(hash, face.indicatorIsOn ? 1u + static_cast<std::size_t>(*face.indicatorIsOn) : 0u);
    if (face.mouse) {
        mixHash(hash, static_cast<std::size_t>(face.mouse->kind));
        mixHash(hash, static_cast<std::size_t>(face.mouse->button));
        mixHash(hash, static_cast<std::size_t>(face.mouse->direction));
    }
    return hash;
}

} // namespace kestrel
