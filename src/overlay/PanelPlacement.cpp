#include "overlay/PanelPlacement.h"

namespace kestrel::PanelPlacement {

std::optional<Screen> resolveScreen(std::string_view displayIdentity, const std::vector<Screen>& screens,
                                    const std::function<Point()>& pointerLocation,
                                    const std::optional<Screen>& mainScreen)
{
    if (!displayIdentity.empty()) {
        for (const Screen& screen : screens) {
            if (screen.displayIdentity && *screen.displayIdentity == displayIdentity)
                return screen;
        }
    }
    // One screen that is also the main one wins wherever the pointer is.
    if (screens.empty() || (screens.size() == 1 && mainScreen == screens.front()))
        return mainScreen;
    const Point pointer = pointerLocation();
    for (const Screen& screen : screens) {
        if (screen.frame.containsPointer(pointer))
            return screen;
    }
    return mainScreen;
}

Rect panelFrame(OverlayPosition position, const Rect& visible, UnitPoint custom)
{
    const double width = panelSize.width;
    const double height = panelSize.height;
    if (position == OverlayPosition::custom) {
        // No insets: at (0, 0) the corners meet top-left, at (1, 1) bottom-right.
        return Rect{{visible.minX() + custom.x * visible.size.width - custom.x * width,
                     visible.maxY() - custom.y * visible.size.height - (1 - custom.y) * height},
                    panelSize};
    }
    // A fixed position sits at the screen's edge on the same sides as the row inside it.
    const Alignment sides = alignment(position);
    Point origin;
    switch (sides.horizontal) {
    case Alignment::Horizontal::leading:
        origin.x = visible.minX() + horizontalInset;
        break;
    case Alignment::Horizontal::center:
        origin.x = visible.midX() - width / 2;
        break;
    case Alignment::Horizontal::trailing:
        origin.x = visible.maxX() - width - horizontalInset;
        break;
    }
    switch (sides.vertical) {
    case Alignment::Vertical::top:
        origin.y = visible.maxY() - height - verticalInset;
        break;
    case Alignment::Vertical::center:
        origin.y = visible.midY() - height / 2;
        break;
    case Alignment::Vertical::bottom:
        origin.y = visible.minY() + verticalInset;
        break;
    }
    return Rect{origin, panelSize};
}

Alignment alignment(OverlayPosition position)
{
    switch (position) {
    case OverlayPosition::topLeft:
        return Alignments::topLeading;
    case OverlayPosition::topCenter:
        return Alignments::top;
    case OverlayPosition::topRight:
        return Alignments::topTrailing;
    case OverlayPosition::middleLeft:
        return Alignments::leading;
    case OverlayPosition::middleRight:
        return Alignments::trailing;
    case OverlayPosition::bottomLeft:
        return Alignments::bottomLeading;
    case OverlayPosition::bottomCenter:
        return Alignments::bottom;
    case OverlayPosition::bottomRight:
        return Alignments::bottomTrailing;
    case OverlayPosition::custom:
        return Alignments::topLeading; // the view uses the anchor instead
    }
    return Alignments::bottom;
}

} // namespace kestrel::PanelPlacement
