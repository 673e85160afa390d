#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

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

} // namespace kestrel::test
