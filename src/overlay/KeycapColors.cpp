#include "overlay/KeycapColors.h"

#include <cmath>

namespace kestrel::KeycapColors {

namespace {

constexpr Rgb grey(double level)
{
    return {level, level, level};
}

constexpr Rgb white = grey(1.0);
constexpr Rgb darkText = grey(0.2);
constexpr Rgb lightText = grey(0.85);
constexpr Rgb green{0.204, 0.780, 0.349}; // the desktop's usual "on" green

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

std::optional<Rgb> tint(KeyColor color)
{
    switch (color) {
    case KeyColor::dark:
    case KeyColor::white:
        return std::nullopt;
    case KeyColor::blue:
        return Rgb{0.2, 0.5, 1.0};
    case KeyColor::purple:
        return Rgb{0.6, 0.35, 1.0};
    case KeyColor::pink:
        return Rgb{1.0, 0.35, 0.65};
    case KeyColor::red:
        return Rgb{1.0, 0.25, 0.25};
    case KeyColor::orange:
        return Rgb{1.0, 0.55, 0.1};
    case KeyColor::yellow:
        return Rgb{1.0, 0.85, 0.1};
    case KeyColor::green:
        return Rgb{0.3, 0.85, 0.35};
    }
    return std::nullopt;
}

bool usesDarkArtwork(KeyColor color)
{
    return color == KeyColor::dark;
}

std::string_view artworkName(KeyColor color)
{
    return usesDarkArtwork(color) ? "dark" : "white";
}

double relativeLuminance(Rgb color)
{
    return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}

Rgb textColor(KeyColor color)
{
    if (color == KeyColor::dark)
        return lightText;
    // The cap's luminance counts at 0.6: the artwork's shading darkens the tint.
    const double background = 0.6 * relativeLuminance(tint(color).value_or(white)) + 0.05;
    const double darkContrast = background / (relativeLuminance(darkText) + 0.05);
    const double whiteContrast = 1.05 / background;
    return whiteContrast <= darkContrast ? darkText : white;
}

Rgb lightColor(KeyColor color)
{
    return color == KeyColor::white ? white : green;
}

Rgb swatchFill(KeyColor color)
{
    switch (color) {
    case KeyColor::dark:
        return {0.2, 0.2, 0.2};
    case KeyColor::white:
        return {0.92, 0.92, 0.92};
    default:
        return tint(color).value_or(white);
    }
}

Rgb lightOffColor()
{
    return grey(0.35);
}

} // namespace kestrel::KeycapColors
