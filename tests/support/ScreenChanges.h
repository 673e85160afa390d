#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>

namespace kestrel::test {

// Where a screenshot differs from one colour (a window or a desktop filled with it), and how
// many pixels do; small differences (dithering, scaling) do not count.
struct Changes {
    QRect area;
    int pixels = 0;
};

// Where two pixels differ by more than dithering would.
inline bool differs(QRgb one, QRgb other)
{
    return std::abs(qRed(one) - qRed(other)) + std::abs(qGreen(one) - qGreen(other)) +
               std::abs(qBlue(one) - qBlue(other)) >
           24;
}

inline Changes changesFrom(const QImage& screen, const QColor& colour, const QRect& within = QRect())
{
    Changes found;
    const QRect area = within.isNull() ? screen.rect() : within & screen.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (differs(line[x], colour.rgb())) {
                ++found.pixels;
                found.area |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

// Where a screenshot differs from an earlier one of the same screen.
inline Changes changesFrom(const QImage& screen, const QImage& before, const QRect& within = QRect())
{
    Changes found;
    if (screen.size() != before.size())
        return {screen.rect(), screen.width() * screen.height()};
    const QRect area = within.isNull() ? screen.rect() : within & screen.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (differs(screen.pixel(x, y), before.pixel(x, y))) {
                ++found.pixels;
                found.area |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

// The sharp edges in an area of a screenshot (a step of more than a third of the range from a
// pixel to the next on its right), by whether the step's right pixel is in an even or odd
// column of the screen. A picture drawn at the screen's own pixels has them in both; one
// enlarged twofold from half as many pixels has them only between its doubled pixels, or
// (smoothed) hardly any.
struct SharpEdges {
    int even = 0;
    int odd = 0;
    bool areBoth() const { return even + odd >= 50 && std::min(even, odd) * 10 >= even + odd; }
};

inline SharpEdges sharpEdges(const QImage& screen, const QRect& within)
{
    SharpEdges found;
    const QRect area = within & screen.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left() + 1; x <= area.right(); ++x) {
            if (std::abs(qGray(screen.pixel(x, y)) - qGray(screen.pixel(x - 1, y))) > 85)
                ++(x % 2 == 0 ? found.even : found.odd);
        }
    }
    return found;
}

} // namespace kestrel::test
