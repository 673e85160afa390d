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

inline Changes changesFrom(const QImage& screen, const QColor& colour, const QRect& within = QRect())
{
    Changes found;
    const QRect area = within.isNull() ? screen.rect() : within & screen.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = line[x];
            if (std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
                    std::abs(qBlue(pixel) - colour.blue()) >
                24) {
                ++found.pixels;
                found.area |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

} // namespace kestrel::test
