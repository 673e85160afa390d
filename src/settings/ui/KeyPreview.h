#pragma once

#include "overlay/InputDisplayState.h"

#include "common/ui/FilledArtwork.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace kestrel {

class DefaultsStore;
class KeycapPainter;

// A strip of sample keycaps on Kestrel's "preview-background" picture, drawn by the overlay's
// own keycap painter so it shows exactly what the overlay will. The key colour is the
// preference's at every paint, so a colour chosen anywhere shows in every preview at its
// next repaint, and so are the key labels (Mac or PC). Decoration only: screen readers pass
// over it.
class KeyPreview final : public QWidget {
public:
    KeyPreview(KeycapPainter& painter, const DefaultsStore& defaults, std::vector<Keycap> keycaps, int height,
               double keySize, QWidget* parent = nullptr);

    void setKeycaps(std::vector<Keycap> keycaps);
    const std::vector<Keycap>& keycaps() const { return m_keycaps; }
    QSize sizeHint() const override;
    // Whether the picture behind the keycaps is kept (only while the preview shows).
    bool holdsBackground() const { return m_background.isHeld(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    KeycapPainter& m_painter;
    const DefaultsStore& m_defaults;
    std::vector<Keycap> m_keycaps;
    double m_keySize;
    FilledArtwork m_background{Artwork::previewBackground};
};

} // namespace kestrel
