#pragma once

namespace kestrel {

// Kestrel's global coordinates: points, origin at the bottom-left of the primary screen,
// y grows upward. ScreenCoordinates converts them to and from Qt's.
struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    double width = 0;
    double height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    Point origin; // bottom-left corner
    Size size;

    double minX() const { return origin.x; }
    double midX() const { return origin.x + size.width / 2; }
    double maxX() const { return origin.x + size.width; }
    double minY() const { return origin.y; }
    double midY() const { return origin.y + size.height / 2; }
    double maxY() const { return origin.y + size.height; }

    // Whether the pointer at `point` is inside: left and top edges belong to the rectangle,
    // right and bottom edges do not, so of two adjacent screens exactly one holds the pointer.
    bool containsPointer(Point point) const
    {
        return point.x >= minX() && point.x < maxX() && point.y > minY() && point.y <= maxY();
    }

    bool operator==(const Rect&) const = default;
};

// Whole device pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// A rectangle of whole device pixels in a window: origin top-left, y grows downward.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const PixelRect&) const = default;
};

// The smallest rectangle that holds both; an empty one adds nothing.
inline PixelRect united(const PixelRect& one, const PixelRect& other)
{
    if (one.isEmpty())
        return other;
    if (other.isEmpty())
        return one;
    const int left = one.x < other.x ? one.x : other.x;
    const int top = one.y < other.y ? one.y : other.y;
    const int right = one.x + one.width > other.x + other.width ? one.x + one.width : other.x + other.width;
    const int bottom = one.y + one.height > other.y + other.height ? one.y + one.height : other.y + other.height;
    return {left, top, right - left, bottom - top};
}

// A point in unit coordinates, x and y in [0, 1], origin top-left.
struct UnitPoint {
    double x = 0;
    double y = 0;
    bool operator==(const UnitPoint&) const = default;
};

} // namespace kestrel
