#pragma once

#include "settings/PreferenceEnums.h"

#include <optional>
#include <string_view>

namespace kestrel {

// An sRGB colour, channels 0…1, opaque.
struct Rgb {
    double red = 0;
    double green = 0;
    double blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The colours of a keycap in each colour scheme.
namespace KeycapColors {

// The colour multiplied into the white cap artwork; none for dark and white caps.
std::optional<Rgb> tint(KeyColor color);
// Dark keycaps use the dark artwork, every other colour the white one.
bool usesDarkArtwork(KeyColor color);
std::string_view artworkName(KeyColor color); // "dark" or "white"
// Light grey on dark caps; otherwise dark grey or white, whichever contrasts better.
Rgb textColor(KeyColor color);
// The caps-lock light when on: white on white caps, green on all others.
Rgb lightColor(KeyColor color);
Rgb lightOffColor();
// The fill of the colour's swatch in the settings: a dark grey for dark caps, a light grey
// for white ones, the tint for every other colour.
Rgb swatchFill(KeyColor color);

// Relative luminance of an sRGB colour, as the web's contrast rules define it.
double relativeLuminance(Rgb color);

} // namespace KeycapColors

} // namespace kestrel
