#include "overlay/ui/OverlayWindow.h"

#include "common/ScreenCoordinates.h"
#include "overlay/PanelPlacement.h"
#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"
#include "overlay/ui/OverlayView.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>

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
    // Qt paints every frame in its backing store first.
    void setBuffered(bool) override {}
    void place(const SurfacePlace& place) override
    {
        m_view.setGeometry(place.geometry.x, place.geometry.y, place.geometry.width, place.geometry.height);
    }

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
    if (options.makeSurface)
        m_surface = options.makeSurface(painter);
    if (!m_surface) {
        m_view = std::make_unique<OverlayView>(painter);
        // Override-redirect and transparent for input: clicks reach the window below, and
        // showing it activates nothing.
        m_view->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus |
                               Qt::WindowTransparentForInput);
        m_view->setWindowTitle(QStringLiteral("Kestrel"));
        m_view->resize(panel);
        m_surface = std::make_unique<WidgetSurface>(*m_view, options.isComposited);
    }
    m_composer = std::make_unique<OverlayComposer>(
        model, scheduler, *m_surface,
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
    const QRect primaryGeometry = primary->geometry();
    const Rect inQt =
        ScreenCoordinates(
            {{static_cast<double>(primaryGeometry.x()), static_cast<double>(primaryGeometry.y())},
             {static_cast<double>(primaryGeometry.width()), static_cast<double>(primaryGeometry.height())}})
            .toQt(frame);
    const QRect geometry = QRectF(inQt.origin.x, inQt.origin.y, inQt.size.width, inQt.size.height).toRect();
    if (geometry == m_geometry)
        return;
    const bool resized = geometry.size() != m_geometry.size();
    m_geometry = geometry;
    const QScreen* screen = QGuiApplication::screenAt(geometry.center());
    if (!screen)
        screen = primary;
    const QRect output = screen->geometry();
    m_surface->place({.geometry = {geometry.x(), geometry.y(), geometry.width(), geometry.height()},
                      .screen = {output.x(), output.y(), output.width(), output.height()},
                      .screenName = screen->name().toStdString(),
                      .pixelRatio = screen->devicePixelRatio()});
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
