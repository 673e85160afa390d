#include "overlay/ui/OverlayWindow.h"

#include "overlay/PanelPlacement.h"
#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"
#include "overlay/ui/OverlayView.h"
#include "platform/qt/ScreenCoordinates.h"
#include "platform/wayland/LayerShellSurface.h"
#include "platform/x11/XRenderSurface.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>

#include <cmath>
#include <cstdio>

namespace kestrel {

// The composer's surface as a Qt window that paints each frame.
class OverlayWindow::WidgetSurface final : public OverlaySurface {
public:
    WidgetSurface(OverlayView& view, std::function<bool()> isComposited)
        : m_view(view), m_isComposited(std::move(isComposited))
    {}

    Size size() const override { return {static_cast<double>(m_view.width()), static_cast<double>(m_view.height())}; }
    double pixelRatio() const override { return m_view.devicePixelRatioF(); }
    bool isComposited() const override { return m_isComposited(); }

    void show() override
    {
        m_view.show();
        m_view.raise();
    }
    void hide() override { m_view.hide(); }
    bool isShown() const override { return m_view.isVisible(); }

    void setShape(const std::optional<std::vector<PixelRect>>& shape) override
    {
        if (!shape) {
            m_view.clearMask();
            return;
        }
        const double ratio = pixelRatio();
        QRegion region;
        for (const PixelRect& area : *shape)
            region += QRectF(area.x / ratio, area.y / ratio, area.width / ratio, area.height / ratio).toRect();
        m_view.setMask(region);
    }

    void present(const OverlayFrame& frame) override { m_view.present(frame); }

private:
    OverlayView& m_view;
    std::function<bool()> m_isComposited;
};

OverlayWindow::OverlayWindow(const OverlayModel& model, KeycapPainter& painter, Scheduler& scheduler,
                             const OverlayWindowOptions& options)
{
    const QSize panel(static_cast<int>(PanelPlacement::panelSize.width),
                      static_cast<int>(PanelPlacement::panelSize.height));
    m_geometry = QRect(QPoint(0, 0), panel);
    OverlaySurface* surface = nullptr;
    m_followsFocusedOutput = options.followsFocusedOutput;
    if (options.layerShell) {
        std::string why;
        m_layerSurface = wayland::LayerShellSurface::create(
            [&painter](QPainter& target, const OverlayLayer& layer, const OverlayFrame& frame) {
                painter.paintLayer(target, layer, frame);
            },
            &why);
        if (m_layerSurface) {
            m_layerSurface->setPlacement({.width = panel.width(), .height = panel.height()});
            surface = m_layerSurface.get();
        } else {
            std::fprintf(stderr, "kestrel: %s, so Qt draws the overlay.\n", why.c_str());
        }
    }
    if (!surface && options.composeOnServer) {
        // The server gets each picture once, as the painter made it.
        auto pictures = [&painter](const OverlayLayer& layer, const OverlayFrame& frame) {
            const QImage& image =
                painter.picture(*layer.keycap, layer.picture, frame.fontSize, frame.color, frame.pixelRatio);
            return x11::PicturePixels{static_cast<std::uint64_t>(image.cacheKey()), image.width(), image.height(),
                                      static_cast<int>(image.bytesPerLine()), image.constBits()};
        };
        std::string why;
        m_serverSurface = x11::XRenderSurface::create(pictures, options.isComposited, &why);
        if (m_serverSurface) {
            m_serverSurface->setGeometry({0, 0, panel.width(), panel.height()}, 1);
            surface = m_serverSurface.get();
        } else {
            std::fprintf(stderr, "kestrel: %s, so Qt draws the overlay.\n", why.c_str());
        }
    }
    if (!surface) {
        m_view = std::make_unique<OverlayView>(painter);
        // Override-redirect and transparent for input: clicks reach the window below, and
        // showing it activates nothing.
        m_view->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus |
                               Qt::WindowTransparentForInput);
        m_view->setWindowTitle(QStringLiteral("Kestrel"));
        m_view->resize(panel);
        m_widgetSurface = std::make_unique<WidgetSurface>(*m_view, options.isComposited);
        surface = m_widgetSurface.get();
    }
    m_composer = std::make_unique<OverlayComposer>(
        model, scheduler, *surface,
        OverlayComposer::Options{.reduceMotion = options.reduceMotion, .input = options.input});
}

OverlayWindow::~OverlayWindow()
{
    m_composer.reset(); // before the surface it draws on
}

void OverlayWindow::setFrame(const Rect& frame)
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    const QRect geometry = ScreenCoordinates(QRectF(primary->geometry())).toQt(frame).toRect();
    if (geometry == m_geometry)
        return;
    const bool resized = geometry.size() != m_geometry.size();
    m_geometry = geometry;
    const QScreen* screen = QGuiApplication::screenAt(geometry.center());
    if (!screen)
        screen = primary;
    if (m_view) {
        m_view->setGeometry(geometry);
    } else if (m_layerSurface) {
        // Placed on its output, from the output's edges.
        const QRect output = screen->geometry();
        m_layerSurface->setPlacement(
            {.outputName = m_followsFocusedOutput() ? std::string() : screen->name().toStdString(),
             .x = geometry.x() - output.x(),
             .y = geometry.y() - output.y(),
             .width = geometry.width(),
             .height = geometry.height(),
             .outputWidth = output.width(),
             .outputHeight = output.height(),
             .scale = static_cast<int>(std::ceil(screen->devicePixelRatio()))});
    } else {
        // Qt's points to the root window's pixels.
        const double ratio = screen->devicePixelRatio();
        const QRect pixels = QRectF(QPointF(geometry.topLeft()) * ratio, QSizeF(geometry.size()) * ratio).toRect();
        m_serverSurface->setGeometry({pixels.x(), pixels.y(), pixels.width(), pixels.height()}, ratio);
    }
    m_composer->setFrameInterval(1 / screen->refreshRate());
    if (resized)
        m_composer->surfaceResized();
}

void OverlayWindow::orderFrontRegardless()
{
    m_composer->setOrderedIn(true);
}

void OverlayWindow::orderOut()
{
    m_composer->setOrderedIn(false);
}

OverlayWindowFactory::OverlayWindowFactory(Scheduler& scheduler, OverlayWindowOptions options)
    : m_scheduler(scheduler),
      m_options(std::move(options)),
      m_artwork(std::make_unique<KeycapArtwork>()),
      m_painter(std::make_unique<KeycapPainter>(*m_artwork))
{}

OverlayWindowFactory::~OverlayWindowFactory() = default;

std::unique_ptr<OverlayPanel> OverlayWindowFactory::makePanel(OverlayModel& model)
{
    return std::make_unique<OverlayWindow>(model, *m_painter, m_scheduler, m_options);
}

} // namespace kestrel
