#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QWidget;

namespace kestrel {

// Kestrel's pictures, by resource name.
namespace Artwork {
// The desktop behind the keycap previews and the position picker.
inline constexpr const char* previewBackground = ":/artwork/preview-background.svg";
// Onboarding's first two pages.
inline constexpr const char* onboardingWelcome = ":/artwork/onboarding-welcome.svg";
inline constexpr const char* onboardingPermission = ":/artwork/onboarding-permission.svg";
} // namespace Artwork

// One of Kestrel's pictures filled into a size without distortion (cropped to fit), drawn
// once per size and pixel ratio and kept while its widget shows.
class FilledArtwork {
public:
    explicit FilledArtwork(const char* resource) : m_resource(QString::fromLatin1(resource)) {}

    // `fallback` fills the picture should the artwork be missing.
    const QImage& image(QSize size, qreal pixelRatio, const QColor& fallback);
    // Fills `widget` with the picture, clipped to corners of `cornerRadius`; the clip stays
    // set for what the widget draws on top.
    void paintRounded(QPainter& painter, const QWidget& widget, double cornerRadius);
    // Lets the picture go, for a widget that is hidden (a window closed, a page left): it is
    // drawn again when the widget shows.
    void release() { m_image = QImage(); }
    bool isHeld() const { return !m_image.isNull(); }

private:
    QString m_resource;
    QImage m_image;
};

} // namespace kestrel
