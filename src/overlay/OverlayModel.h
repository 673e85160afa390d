#pragma once

#include "common/Geometry.h"
#include "common/Observable.h"
#include "overlay/InputDisplayState.h"
#include "settings/PreferenceEnums.h"

#include <optional>
#include <vector>

namespace kestrel {

// Where the keycap row sits inside the panel, on each axis.
struct Alignment {
    enum class Horizontal : std::uint8_t { leading, center, trailing };
    enum class Vertical : std::uint8_t { top, center, bottom };
    Horizontal horizontal = Horizontal::center;
    Vertical vertical = Vertical::bottom;

    bool operator==(const Alignment&) const = default;
};

namespace Alignments {
inline constexpr Alignment topLeading{Alignment::Horizontal::leading, Alignment::Vertical::top};
inline constexpr Alignment top{Alignment::Horizontal::center, Alignment::Vertical::top};
inline constexpr Alignment topTrailing{Alignment::Horizontal::trailing, Alignment::Vertical::top};
inline constexpr Alignment leading{Alignment::Horizontal::leading, Alignment::Vertical::center};
inline constexpr Alignment trailing{Alignment::Horizontal::trailing, Alignment::Vertical::center};
inline constexpr Alignment bottomLeading{Alignment::Horizontal::leading, Alignment::Vertical::bottom};
inline constexpr Alignment bottom{Alignment::Horizontal::center, Alignment::Vertical::bottom};
inline constexpr Alignment bottomTrailing{Alignment::Horizontal::trailing, Alignment::Vertical::bottom};
} // namespace Alignments

// What the overlay view draws. The overlay controller is its only writer; each field tells
// its observers only of real changes, so an ignored key costs the view nothing.
struct OverlayModel {
    Observable<std::vector<Keycap>> keycaps;
    Observable<double> fontSize{64}; // points: 48, 64 or 80
    Observable<KeyColor> keyColor{KeyColor::dark};
    Observable<Alignment> alignment{Alignments::bottom};
    // Set only for the custom position: the unit point of the panel, and of the keycap row,
    // that are made to coincide.
    Observable<std::optional<UnitPoint>> anchor;
};

} // namespace kestrel
