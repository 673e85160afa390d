#include "overlay/ui/OverlayWindow.h"

#include "overlay/PanelPlacement.h"
#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"
#include "platform/qt/ScreenCoordinates.h"

#include <QGuiApplication>
#include <QScreen>

namespace kestrel {

OverlayWindow::OverlayWindow(const OverlayModel& model, KeycapPainter& painter, OverlayView::Options options)
    : m_view(std::make_unique<OverlayView>(model, painter, std::move(options)))
{
    // Override-redirect and transparent for input: clicks reach the window below, and
    // showing it activates nothing.
    m_view->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowTransparentForInput);
    m_view->setWindowTitle(QStringLiteral("Kestrel"));
    m_view->resize(static_cast<int>(PanelPlacement::panelSize.width),
                   static_cast<int>(PanelPlacement::panelSize.height));
}

OverlayWindow::~OverlayWindow() = default;

void OverlayWindow::setFrame(const Rect& frame)
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    const QRect geometry = ScreenCoordinates(QRectF(primary->geometry())).toQt(frame).toRect();
    if (m_view->geometry() != geometry)
        m_view->setGeometry(geometry);
}

void OverlayWindow::orderFrontRegardless()
{
    m_view->setOrderedIn(true);
}

void OverlayWindow::orderOut()
{
    m_view->setOrderedIn(false);
}

OverlayWindowFactory::OverlayWindowFactory(OverlayView::Options options)
    : m_options(std::move(options)),
      m_artwork(std::make_unique<KeycapArtwork>()),
      m_painter(std::make_unique<KeycapPainter>(*m_artwork))
{}

OverlayWindowFactory::~OverlayWindowFactory() = default;

std::unique_ptr<OverlayPanel> OverlayWindowFactory::makePanel(OverlayModel& model)
{
    return std::make_unique<OverlayWindow>(model, *m_painter, m_options);
}

} // namespace kestrel
