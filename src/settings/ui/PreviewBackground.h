#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace kestrel {

// Kestrel's "preview-background" picture, the desktop behind the keycap previews and the
// position picker: filled into a size without distortion (cropped to fit), drawn once per
// size and pixel ratio and kept.
class PreviewBackground {
public:
    // `fallback` fills the picture should the artwork be missing.
    const QImage& image(QSize size, qreal pixelRatio, const QColor& fallback);

private:
    QImage m_image;
};

} // namespace kestrel
